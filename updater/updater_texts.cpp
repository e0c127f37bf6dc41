#include "updater/updater_texts.h"

#include <array>

namespace updater {
namespace {

struct Language {
    std::wstring_view abbreviation;
    std::array<const wchar_t*, static_cast<int>(Text::Count)> texts;
};

constexpr std::array kLanguages{
    Language{L"EXE",
             {L"You have the latest version (%2).",
              L"Version %1 is available; you have %2.\n\nOpen the download page?",
              L"The update server could not be reached. Please check your Internet connection and try again later.",
              L"The update server gave an answer that could not be read. Please try again later.",
              L"The installed version could not be read. Please install the program again."}},
    Language{L"DEU",
             {L"Sie haben die neueste Version (%2).",
              L"Version %1 ist verfügbar; Sie haben %2.\n\nDownload-Seite öffnen?",
              L"Der Update-Server war nicht erreichbar. Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es später erneut.",
              L"Die Antwort des Update-Servers war nicht lesbar. Bitte versuchen Sie es später erneut.",
              L"Die installierte Version war nicht lesbar. Bitte installieren Sie das Programm neu."}},
    Language{L"RUS",
             {L"У вас последняя версия (%2).",
              L"Доступна версия %1; у вас %2.\n\nОткрыть страницу загрузки?",
              L"Сервер обновлений недоступен. Проверьте подключение к Интернету и повторите попытку позже.",
              L"Ответ сервера обновлений не удалось прочитать. Повторите попытку позже.",
              L"Не удалось определить установленную версию. Установите программу заново."}},
    Language{L"FRA",
             {L"Vous avez la dernière version (%2).",
              L"La version %1 est disponible ; vous avez la %2.\n\nOuvrir la page de téléchargement ?",
              L"Le serveur de mises à jour est injoignable. Vérifiez votre connexion Internet et réessayez plus tard.",
              L"La réponse du serveur de mises à jour est illisible. Réessayez plus tard.",
              L"La version installée est illisible. Veuillez réinstaller le programme."}},
};

}  // namespace

std::wstring TextIn(std::wstring_view language, Text text) {
    const Language* chosen = &kLanguages.front();
    for (const Language& candidate : kLanguages)
        if (candidate.abbreviation == language) chosen = &candidate;
    return chosen->texts[static_cast<int>(text)];
}

}  // namespace updater
