#include "core/localizer/lang_resource.h"

#include <gtest/gtest.h>

#include "core/localizer/basic_locale.h"

using namespace localizer;

namespace {

template <class F>
std::string ErrorOf(F action) {
    try {
        action();
    } catch (const LangResError& e) {
        return e.what();
    }
    return "(no error)";
}

// A dictionary with one unit of two constants and one form with an own property and a
// component with two properties; native texts and revisions set.
struct Fixture : ::testing::Test {
    BasicLocale locale;
    LangResource dict{locale};
    LResConstantItem* c1;
    LResConstantItem* c2;
    LResPropertyItem* caption;
    LResPropertyItem* button;
    LResPropertyItem* width;

    void SetUp() override {
        LResUnitItem* unit = dict.Units().FindOrAdd("Main");
        c1 = unit->FindOrAddConstant("SOne", 1, 65001);
        c2 = unit->FindOrAddConstant("STwo", 2, 65002);
        c1->Value(0)->SetText(u"One");
        c1->Value(0)->Revision = 10;
        c2->Value(0)->SetText(u"Two");
        LResFormItem* form = dict.Forms().FindOrAdd("MainWnd");
        caption = form->FindOrAddProperty(5, "", "Caption", kKindText);
        button = form->FindOrAddProperty(3, "Button1", "Caption", kKindText);
        width = form->FindOrAddProperty(4, "Button1", "Width", kKindInteger);
        caption->Value(0)->SetText(u"Main");
        button->Value(0)->SetText(u"&Ok");
        width->Value(0)->SetText(u"75");
    }
};

}  // namespace

// ---- TKObjectList -----------------------------------------------------------------------

TEST(KObjectList, ClearFiresChangeThenEmpty) {
    BasicLocale locale;
    LResValueList list(locale, kKindText, 0x0409);
    std::vector<std::string> events;
    list.OnChange = [&](KObjectListBase&) { events.push_back("change"); };
    list.OnEmpty = [&](KObjectListBase&) { events.push_back("empty"); };
    list.AddValue(0x0407);
    EXPECT_EQ(events, (std::vector<std::string>{"change"}));
    events.clear();
    list.Clear();
    EXPECT_EQ(events, (std::vector<std::string>{"change", "empty"}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(KObjectList, DeleteFiresEmptyOnlyForTheLastObject) {
    BasicLocale locale;
    LResValueList list(locale, kKindText, 0x0409);
    list.AddValue(0x0407);
    int empties = 0, changes = 0;
    list.OnChange = [&](KObjectListBase&) { ++changes; };
    list.OnEmpty = [&](KObjectListBase&) { ++empties; };
    list.Delete(0);
    EXPECT_EQ(empties, 0);
    list.Delete(0);
    EXPECT_EQ(empties, 1);
    EXPECT_EQ(changes, 2);
}

// ---- Named lists ------------------------------------------------------------------------

TEST(NamedItemList, KeepsNamesSortedIgnoringAsciiCase) {
    BasicLocale locale;
    LangResource dict(locale);
    for (const char* n : {"Zeta", "alpha", "Mid", "beta", "_x"}) dict.Units().FindOrAdd(n);
    std::vector<std::string> names;
    for (auto* u : dict.Units()) names.push_back(u->Name());
    // ASCII letters fold to upper case before comparing, so '_' (0x5F) sorts after 'Z'.
    EXPECT_EQ(names, (std::vector<std::string>{"alpha", "beta", "Mid", "Zeta", "_x"}));
    EXPECT_EQ(dict.Units().IndexOf("MID"), 2);
    EXPECT_EQ(dict.Units().IndexOf("nothere"), -1);
}

TEST(NamedItemList, FindOrAddOfANameDifferingInCaseReturnsTheExistingItem) {
    BasicLocale locale;
    LangResource dict(locale);
    LResUnitItem* first = dict.Units().FindOrAdd("Reports");
    EXPECT_EQ(dict.Units().FindOrAdd("REPORTS"), first);
    EXPECT_EQ(dict.Units().FindOrAdd("reports"), first);
    EXPECT_EQ(dict.Units().Count(), 1);
    EXPECT_EQ(first->Name(), "Reports");
}

TEST(NamedItemList, CacheFollowsTheLastFoundOrInsertedItemAndClearResetsIt) {
    BasicLocale locale;
    LangResource dict(locale);
    EXPECT_EQ(dict.Units().CachedIndex(), -1);
    dict.Units().FindOrAdd("b");
    dict.Units().FindOrAdd("d");
    EXPECT_EQ(dict.Units().CachedIndex(), 1);
    dict.Units().FindOrAdd("a");  // inserted at 0
    EXPECT_EQ(dict.Units().CachedIndex(), 0);
    dict.Units().FindOrAdd("D");
    EXPECT_EQ(dict.Units().CachedIndex(), 2);
    // A repeated lookup is answered from the cache.
    EXPECT_EQ(dict.Units().FindOrAdd("d"), dict.Units()[2]);
    dict.Units().Clear();
    EXPECT_EQ(dict.Units().CachedIndex(), -1);
    // A stale cache (the list shrank) never answers.
    dict.Units().FindOrAdd("x");
    EXPECT_EQ(dict.Units().Count(), 1);
}

// ---- Items ------------------------------------------------------------------------------

TEST_F(Fixture, FullNamesJoinOwnersWithTheSeparator) {
    EXPECT_EQ(caption->FullName('.'), "MainWnd.Caption");
    EXPECT_EQ(button->FullName('.'), "MainWnd.Button1.Caption");
    EXPECT_EQ(c1->FullName(':'), "Main:SOne");
    EXPECT_EQ(dict.Forms()[0]->FullName('.'), "MainWnd");
    EXPECT_EQ(dict.Forms()[0]->Components()[0]->FullName('/'), "MainWnd/Button1");
}

TEST_F(Fixture, NewValuesTakeTheDictionaryLanguageAndItsSortKey) {
    EXPECT_EQ(c1->Value(0)->LangId(), 0x0409);
    EXPECT_EQ(c1->Value(0)->SortKey(), (std::vector<std::uint8_t>{'O', 'N', 'E', 0}));
    c1->Value(0)->SetLangId(0x1234);  // a locale that the mapping does not know
    EXPECT_EQ(c1->Value(0)->SortKeyLength(), 0u);
}

TEST_F(Fixture, ConstantsAreTextAndPropertiesFollowCurrentLanguage) {
    EXPECT_EQ(c1->Kind(), kKindText);
    EXPECT_EQ(width->Kind(), kKindInteger);
    EXPECT_EQ(c1->CurrentLanguageIndex(), 0);
    dict.CurrentLanguage = 3;
    EXPECT_EQ(button->CurrentLanguageIndex(), 3);
}

TEST_F(Fixture, FlagsAreValueZerosAndMasksTestAllBits) {
    button->SetFlags(kFlagNeverTranslate | 0x0003, true);
    EXPECT_TRUE(button->HasFlags(kFlagNeverTranslate));
    EXPECT_TRUE(button->HasFlags(0x0003));
    EXPECT_FALSE(button->HasFlags(0x0007));
    button->SetFlags(0x0001, false);
    EXPECT_EQ(button->Values()[0]->Flags, kFlagNeverTranslate | 0x0002);
}

TEST_F(Fixture, LinesPresentTextSplitIntoLines) {
    c1->Value(0)->SetText(u"one\r\ntwo\nthree\r\n");
    EXPECT_EQ(c1->Value(0)->Lines(), (std::vector<std::string>{"one", "two", "three"}));
    c1->Value(0)->SetText(u"caf\u00e9");
    EXPECT_EQ(c1->Value(0)->Lines(), (std::vector<std::string>{"caf\xe9"}));
}

// ---- Value equality and setting from variants --------------------------------------------

TEST(ValueEquality, ByKind) {
    // One-point-five with and without a trailing zero.
    EXPECT_TRUE(ValuesEqual(kKindFloat, u"1.5", u"1.50"));
    EXPECT_FALSE(ValuesEqual(kKindText, u"1.5", u"1.50"));
    EXPECT_TRUE(ValuesEqual(kKindInteger, u"075", u"75"));
    EXPECT_FALSE(ValuesEqual(kKindInteger, u"75", u"76"));
    EXPECT_TRUE(ValuesEqual(kKindLines, u"a\r\nb", u"a\r\nb"));
    EXPECT_FALSE(ValuesEqual(kKindText, u"Ok", u"OK"));
    EXPECT_TRUE(ValuesEqual(kKindSet, u"", u""));
    EXPECT_FALSE(ValuesEqual(kKindSet, u"[a]", u"[a]"));
    EXPECT_FALSE(ValuesEqual(kKindIdent, u"clRed", u"clRed"));
    EXPECT_FALSE(ValuesEqual(kKindText, u"", u"x"));
    EXPECT_FALSE(ValuesEqual(kKindFloat, u"abc", u"abc"));  // not numbers
}

TEST_F(Fixture, SettingAnEqualVariantChangesNothing) {
    width->Value(0)->Revision = 4;
    width->SetValue(0, std::int32_t{75}, 9);
    EXPECT_EQ(width->Value(0)->Revision, 4u);
    EXPECT_EQ(width->Used, 1);  // set through the item: marked
    width->SetValue(0, std::string("80"), 9);
    EXPECT_EQ(width->Value(0)->Text(), u"80");
    EXPECT_EQ(width->Value(0)->Revision, 9u);
    width->SetValue(0, 81.0, 0xFFFFFFFF);  // no revision
    EXPECT_EQ(width->Value(0)->Text(), u"81");
    EXPECT_EQ(width->Value(0)->Revision, 9u);
    button->SetValue(0, std::u16string(u"\u0416"), 1);  // wide text is stored unchanged
    EXPECT_EQ(button->Value(0)->Text(), u"\u0416");
    button->SetValue(0, std::string("caf\xe9"), 2);  // 8-bit text through the code page
    EXPECT_EQ(button->Value(0)->Text(), u"caf\u00e9");
}

// ---- Dictionary queries ------------------------------------------------------------------

TEST(Dictionary, EmptyDictionaryHasNoLanguagesAndCannotAddOne) {
    BasicLocale locale;
    LangResource dict(locale);
    EXPECT_EQ(dict.LanguageCount(), 0);
    EXPECT_EQ(dict.LanguageId(0), 0);
    EXPECT_EQ(dict.IndexOfLanguage(0x0409), -1);
    EXPECT_EQ(ErrorOf([&] { dict.AddLanguage(0, 0x0407); }), "Empty dictionary");
    // A form without properties counts as no item.
    dict.Forms().FindOrAdd("Empty");
    EXPECT_EQ(dict.LanguageCount(), 0);
    EXPECT_NO_THROW(dict.RemoveLanguage(1));  // nothing to remove from: returns
}

TEST(Dictionary, LanguageCountComesFromTheFirstFormThenComponentThenConstant) {
    BasicLocale locale;
    LangResource dict(locale);
    auto* c = dict.Units().FindOrAdd("U")->FindOrAddConstant("S", 1, 1);
    c->Values().AddValue(0x0407);
    EXPECT_EQ(dict.LanguageCount(), 2);
    auto* p = dict.Forms().FindOrAdd("F")->FindOrAddProperty(1, "Comp", "Caption", kKindText);
    EXPECT_EQ(dict.LanguageCount(), 1);  // the component's property
    p->Values().AddValue(0x0419);
    p->Values().AddValue(0x0407);
    EXPECT_EQ(dict.LanguageCount(), 3);
    EXPECT_EQ(dict.LanguageId(1), 0x0419);
    EXPECT_EQ(dict.IndexOfLanguage(0x0407), 2);
    EXPECT_EQ(dict.LanguageId(7), 0);
}

TEST_F(Fixture, ItemsByIdAndByNames) {
    EXPECT_EQ(dict.PropertyById(3), button);
    EXPECT_EQ(dict.PropertyById(5), caption);
    EXPECT_EQ(dict.PropertyById(99), nullptr);
    EXPECT_EQ(dict.ConstantById(2), c2);
    EXPECT_EQ(dict.ConstantById(3), nullptr);
    EXPECT_EQ(dict.PropertyByNames("mainwnd", "", "CAPTION"), caption);
    EXPECT_EQ(dict.PropertyByNames("MainWnd", "button1", "caption"), button);
    EXPECT_EQ(dict.PropertyByNames("MainWnd", "Button2", "Caption"), nullptr);
    EXPECT_EQ(dict.ConstantByNames("MAIN", "stwo"), c2);
    EXPECT_EQ(dict.Forms()[0]->FindProperty("", "Caption"), caption);
    EXPECT_EQ(dict.Forms()[0]->FindProperty("Nope", "Caption"), nullptr);
}

TEST_F(Fixture, LinearListsInListOrderOrSortedById) {
    auto plain = dict.BuildPropertyList(false);
    EXPECT_FALSE(plain.Sorted);
    EXPECT_EQ(plain.Items, (std::vector<LResPropertyItem*>{caption, button, width}));
    auto sorted = dict.BuildPropertyList(true);
    EXPECT_TRUE(sorted.Sorted);
    EXPECT_EQ(sorted.Items, (std::vector<LResPropertyItem*>{button, width, caption}));
    EXPECT_EQ(sorted.FindById(4), width);
    EXPECT_EQ(sorted.FindById(6), nullptr);
    EXPECT_EQ(plain.FindById(5), caption);
    auto constants = dict.BuildConstantList(true);
    EXPECT_EQ(constants.FindById(1), c1);
}

// ---- Languages ---------------------------------------------------------------------------

TEST_F(Fixture, AddLanguageCopiesTheSourceWithRevisionOneBelowNative) {
    EXPECT_EQ(ErrorOf([&] { dict.AddLanguage(1, 0x0407); }), "Could not add language");
    EXPECT_EQ(ErrorOf([&] { dict.AddLanguage(-1, 0x0407); }), "Could not add language");
    EXPECT_EQ(dict.AddLanguage(0, 0x0407), 1);
    EXPECT_EQ(c1->Values().Count(), 2);
    EXPECT_EQ(c1->Value(1)->Text(), u"One");
    EXPECT_EQ(c1->Value(1)->Revision, 9u);
    EXPECT_EQ(c2->Value(1)->Revision, 0xFFFFFFFFu);  // 0 - 1
    EXPECT_EQ(c1->Value(1)->LangId(), 0x0407);
    EXPECT_EQ(c1->Value(1)->SortKeyLength(), 4u);
    EXPECT_EQ(width->Value(1)->Text(), u"75");
    button->Value(1)->SetText(u"&Gut");
    EXPECT_EQ(dict.AddLanguage(1, 0x0419), 2);
    EXPECT_EQ(button->Value(2)->Text(), u"&Gut");
    EXPECT_EQ(dict.IndexOfLanguage(0x0419), 2);
}

TEST_F(Fixture, RemoveLanguageNeverRemovesTheNative) {
    EXPECT_EQ(ErrorOf([&] { dict.RemoveLanguage(0); }), "Could not remove language");
    EXPECT_EQ(ErrorOf([&] { dict.RemoveLanguage(1); }), "Could not remove language");  // only one
    dict.AddLanguage(0, 0x0407);
    dict.AddLanguage(0, 0x0419);
    EXPECT_EQ(ErrorOf([&] { dict.RemoveLanguage(0); }), "Could not remove language");
    EXPECT_EQ(ErrorOf([&] { dict.RemoveLanguage(3); }), "Could not remove language");
    EXPECT_EQ(c1->Values().Count(), 3);  // a failed removal changed nothing
    dict.RemoveLanguage(1);
    EXPECT_EQ(dict.LanguageCount(), 2);
    EXPECT_EQ(dict.LanguageId(1), 0x0419);
    EXPECT_EQ(width->Values().Count(), 2);
}

// ---- Mark and purge ------------------------------------------------------------------------

TEST_F(Fixture, PurgeRemovesUnusedPropertiesAndEmptiedComponents) {
    dict.MarkAll(false);
    caption->Used = 1;
    c2->Used = 1;
    dict.Purge();
    LResFormItem* form = dict.Forms()[0];
    EXPECT_EQ(form->Properties().Count(), 1);
    EXPECT_EQ(form->Components().Count(), 0);
    EXPECT_EQ(dict.Units()[0]->Constants().Count(), 1);
    EXPECT_EQ(dict.Units()[0]->Constants()[0], c2);
}

TEST_F(Fixture, MarkAllOfAFormReachesItsComponents) {
    LResFormItem* form = dict.Forms()[0];
    form->MarkAll(true);
    EXPECT_EQ(caption->Used, 1);
    EXPECT_EQ(width->Used, 1);
    form->MarkAll(false);
    width->Used = 1;
    form->Purge();
    EXPECT_EQ(form->Components().Count(), 1);
    EXPECT_EQ(form->Components()[0]->Properties().Count(), 1);
    EXPECT_EQ(form->Properties().Count(), 0);
}
