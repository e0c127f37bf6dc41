; The installer's own texts in the four languages of the program, and the program language
; that each installer language stands for (the LocalizerExt choice: "EXE" is the built-in English).

LangString ProgramLanguage ${LANG_ENGLISH} "EXE"
LangString ProgramLanguage ${LANG_GERMAN} "DEU"
LangString ProgramLanguage ${LANG_RUSSIAN} "RUS"
LangString ProgramLanguage ${LANG_FRENCH} "FRA"

LangString HelpFile ${LANG_ENGLISH} "english.chm"
LangString HelpFile ${LANG_GERMAN} "German.chm"
LangString HelpFile ${LANG_RUSSIAN} "Russian.chm"
LangString HelpFile ${LANG_FRENCH} "French.chm"

LangString HelpLink ${LANG_ENGLISH} "Help"
LangString HelpLink ${LANG_GERMAN} "Hilfe"
LangString HelpLink ${LANG_RUSSIAN} "Справка"
LangString HelpLink ${LANG_FRENCH} "Aide"

LangString UninstallLink ${LANG_ENGLISH} "Uninstall"
LangString UninstallLink ${LANG_GERMAN} "Deinstallieren"
LangString UninstallLink ${LANG_RUSSIAN} "Удалить"
LangString UninstallLink ${LANG_FRENCH} "Désinstaller"

LangString ProgramSection ${LANG_ENGLISH} "Program files"
LangString ProgramSection ${LANG_GERMAN} "Programmdateien"
LangString ProgramSection ${LANG_RUSSIAN} "Файлы программы"
LangString ProgramSection ${LANG_FRENCH} "Fichiers du programme"

LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString DesktopSection ${LANG_RUSSIAN} "Ярлык на рабочем столе"
LangString DesktopSection ${LANG_FRENCH} "Raccourci sur le Bureau"

LangString AutostartSection ${LANG_ENGLISH} "Start the booster service with Windows"
LangString AutostartSection ${LANG_GERMAN} "Booster-Dienst mit Windows starten"
LangString AutostartSection ${LANG_RUSSIAN} "Запускать службу вместе с Windows"
LangString AutostartSection ${LANG_FRENCH} "Démarrer le service avec Windows"

LangString RemoveSettings ${LANG_ENGLISH} "Remove your settings of ${PRODUCT_NAME} too?"
LangString RemoveSettings ${LANG_GERMAN} "Auch Ihre Einstellungen von ${PRODUCT_NAME} entfernen?"
LangString RemoveSettings ${LANG_RUSSIAN} "Удалить также ваши настройки ${PRODUCT_NAME}?"
LangString RemoveSettings ${LANG_FRENCH} "Supprimer aussi vos réglages de ${PRODUCT_NAME} ?"
