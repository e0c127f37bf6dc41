"""The administrative templates agree with the settings table and their translations.

Writes the templates with the admx tool, then checks what an administrator's policy editor
relies on: well-formed XML, one policy per setting of the table that a policy may fix, with the
table's value name and range; every string and dialog the .admx names present in each .adml; no
translation left in English; the translators' template current; and no templates at all while
a translation lacks a text.
    admx_test.py ADMX_TOOL SOURCE_DIR WORK_DIR
"""
import pathlib
import re
import shutil
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ET

NS = {"p": "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions"}
POLICIES_KEY = "Software\\Policies\\TesslySoftware\\DozidiDavazez"
CULTURES = ["en-US", "de-DE", "ru-RU", "fr-FR"]
# The abbreviation of the language files the program ships, by the translation's language.
ABBREVIATIONS = {"German": "DEU", "Russian": "RUS", "French": "FRA"}
NAME = "TesslyDozidiDavazez"

tool = source = work = None


def run(*args):
    return subprocess.run([tool, *args], capture_output=True, text=True)


def table():
    """The policy settings of the table: name -> (form, min, max, default, capacity), and the
    megabyte range."""
    out = run("table")
    assert out.returncode == 0, out.stderr
    lines = out.stdout.split("\n")
    megabytes = tuple(int(v) for v in lines[0].split()[1:])
    settings = {}
    for line in lines[1:]:
        if line:
            name, form, *numbers = line.split()
            settings[name] = (form, *(int(n) for n in numbers))
    return settings, megabytes


def strings_of(adml):
    root = ET.parse(adml).getroot()
    strings = {s.get("id"): s.text or "" for s in root.iterfind(".//p:stringTable/p:string", NS)}
    presentations = {p.get("id"): p for p in root.iterfind(".//p:presentationTable/p:presentation", NS)}
    return strings, presentations


class Templates(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = work / "policies"
        shutil.rmtree(cls.out, ignore_errors=True)
        written = run("write", str(cls.out), str(source / "translations" / "policies"))
        assert written.returncode == 0, written.stderr
        cls.admx = cls.out / f"{NAME}.admx"
        cls.root = ET.parse(cls.admx).getroot()
        cls.settings, cls.megabytes = table()
        cls.policies = {p.get("name"): p for p in cls.root.iterfind(".//p:policies/p:policy", NS)}

    def test_every_file_is_well_formed_xml(self):
        files = [self.admx] + [self.out / c / f"{NAME}.adml" for c in CULTURES]
        for f in files:
            self.assertTrue(f.is_file(), f)
        lint = subprocess.run(["xmllint", "--noout", *map(str, files)], capture_output=True, text=True)
        self.assertEqual(lint.returncode, 0, lint.stderr)

    def test_each_policy_fixes_one_setting_of_the_table_for_machine_and_user(self):
        self.assertEqual(sorted(self.policies), sorted(self.settings))
        for name, policy in self.policies.items():
            with self.subTest(policy=name):
                self.assertEqual(policy.get("class"), "Both")
                self.assertEqual(policy.get("key"), POLICIES_KEY)
                names = [policy.get("valueName")] + [e.get("valueName") for e in policy.iterfind("p:elements/*", NS)]
                self.assertEqual([n for n in names if n], [name])

    def test_values_and_ranges_are_the_tables(self):
        languages = ["EXE"] + sorted(
            ABBREVIATIONS[re.search(r'"X-Language-Name: (\w+)', po.read_text(encoding="utf-8")).group(1)]
            for po in (source / "translations").glob("*.po")
        )
        for name, (form, low, high, default, capacity) in self.settings.items():
            policy = self.policies[name]
            elements = list(policy.iterfind("p:elements/*", NS))
            tag = elements[0].tag.split("}")[1] if elements else None
            with self.subTest(policy=name, form=form):
                if form == "Flag":
                    self.assertEqual(policy.find("p:enabledValue/p:decimal", NS).get("value"), "1")
                    self.assertEqual(policy.find("p:disabledValue/p:decimal", NS).get("value"), "0")
                    self.assertEqual(elements, [])
                elif form in ("Number", "Megabytes"):
                    expected = (low, high) if form == "Number" else self.megabytes
                    self.assertEqual(tag, "decimal")
                    self.assertEqual((int(elements[0].get("minValue")), int(elements[0].get("maxValue"))), expected)
                elif form == "Choice":
                    self.assertEqual(tag, "enum")
                    values = [int(v.get("value")) for v in elements[0].iterfind("p:item/p:value/p:decimal", NS)]
                    self.assertEqual(values, list(range(low, high + 1)))
                elif form == "HotKey":
                    self.assertEqual(tag, "text")
                elif form == "ProgramList":
                    self.assertEqual(tag, "text")
                    self.assertEqual(int(elements[0].get("maxLength")), capacity - 1)
                elif form == "Language":
                    self.assertEqual(tag, "enum")
                    values = [v.text for v in elements[0].iterfind("p:item/p:value/p:string", NS)]
                    self.assertEqual(sorted(values), sorted(languages))
                else:
                    self.fail(f"unknown form {form}")

    def test_every_string_and_dialog_named_exists_in_every_language(self):
        text = self.admx.read_text(encoding="utf-8")
        string_refs = set(re.findall(r"\$\(string\.(\w+)\)", text))
        presentation_refs = set(re.findall(r"\$\(presentation\.(\w+)\)", text))
        self.assertTrue(string_refs and presentation_refs)
        for culture in CULTURES:
            strings, presentations = strings_of(self.out / culture / f"{NAME}.adml")
            with self.subTest(culture=culture):
                self.assertEqual(string_refs - set(strings), set())
                self.assertEqual(presentation_refs - set(presentations), set())
                for name, presentation in presentations.items():
                    ids = {e.get("id") for e in self.policies[name].iterfind("p:elements/*", NS)}
                    refs = {c.get("refId") for c in presentation}
                    self.assertEqual(refs, ids, name)
                    self.assertTrue(all((c.text or c.findtext("p:label", "", NS)).strip() for c in presentation), name)
                for s in string_refs:
                    self.assertTrue(strings[s].strip(), s)

    def test_explanations_give_the_range_of_the_value(self):
        for culture in CULTURES:
            strings, _ = strings_of(self.out / culture / f"{NAME}.adml")
            for name, (form, low, high, default, capacity) in self.settings.items():
                if form in ("Number", "Megabytes"):
                    low, high = (low, high) if form == "Number" else self.megabytes
                    explain = strings[f"{name}_Explain"]
                    with self.subTest(culture=culture, policy=name):
                        self.assertIn(f" {low} ", explain)
                        self.assertIn(f" {high}", explain)
                        self.assertNotIn("{", explain)

    def test_no_translation_is_left_in_english(self):
        english, _ = strings_of(self.out / "en-US" / f"{NAME}.adml")
        for culture in CULTURES[1:]:
            strings, _ = strings_of(self.out / culture / f"{NAME}.adml")
            same = {i for i, t in strings.items() if t == english.get(i)}
            with self.subTest(culture=culture):
                self.assertEqual(same, {"Product"})  # the product's name is the same in every language

    def test_the_translators_template_is_current(self):
        fresh = work / "policies.pot"
        self.assertEqual(run("template", str(fresh)).returncode, 0)
        committed = source / "translations" / "policies" / "policies.pot"
        self.assertEqual(
            fresh.read_text(encoding="utf-8"), committed.read_text(encoding="utf-8"),
            "translations/policies/policies.pot is out of date: make it again with admx template",
        )


class MissingTranslation(unittest.TestCase):
    def test_a_policy_without_a_text_in_one_language_writes_no_templates(self):
        catalogues = work / "incomplete"
        shutil.rmtree(catalogues, ignore_errors=True)
        shutil.copytree(source / "translations" / "policies", catalogues)
        ru = catalogues / "ru.po"
        entry = re.compile(r'\nmsgctxt "QBoostSize\.Name"\nmsgid "[^"]*"\nmsgstr "[^"]*"\n')
        text, removed = entry.subn("\n", ru.read_text(encoding="utf-8"))
        self.assertEqual(removed, 1)
        ru.write_text(text, encoding="utf-8")
        out = work / "incomplete-out"
        shutil.rmtree(out, ignore_errors=True)
        written = run("write", str(out), str(catalogues))
        self.assertNotEqual(written.returncode, 0)
        self.assertIn("QBoostSize.Name", written.stderr)
        self.assertFalse(out.exists())

    def test_a_stale_translation_writes_no_templates(self):
        catalogues = work / "stale"
        shutil.rmtree(catalogues, ignore_errors=True)
        shutil.copytree(source / "translations" / "policies", catalogues)
        de = catalogues / "de.po"
        de.write_text(de.read_text(encoding="utf-8").replace('msgid "Quick boost size"', 'msgid "Boost size"'), "utf-8")
        written = run("write", str(work / "stale-out"), str(catalogues))
        self.assertNotEqual(written.returncode, 0)
        self.assertIn("QBoostSize.Name", written.stderr)


if __name__ == "__main__":
    tool, source, work = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    work.mkdir(parents=True, exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
