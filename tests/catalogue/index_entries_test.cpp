// The author and title entries a record's fields give.
#include "index_entries.h"

#include <gtest/gtest.h>

using namespace kodrix;

namespace {

const QString forty = QStringLiteral("Egy nagyon hosszú név, amely túlnyúlik a negyven karakteren");

TEST(AuthorEntries, FollowTheRulesOfEachField) {
    const struct {
        const char* what;
        AuthorFields fields;
        QStringList expected;
    } cases[] = {
        {"main heading alone", {"Petőfi Sándor", "", "", ""}, {"Petőfi Sándor"}},
        {"two names joined by . - give two rows", {"", "Kiss Anna. - Nagy Béla", "", ""}, {"Kiss Anna", "Nagy Béla"}},
        {"names joined by # stay one row", {"", "Kiss Anna#Nagy Béla", "", ""}, {"Kiss Anna#Nagy Béla"}},
        {"leading blank or [ goes, trailing dot goes", {"", "[Kiss Anna.. - Nagy Béla", " Tóth Éva", ""},
         {"Kiss Anna", "Nagy Béla", "Tóth Éva"}},
        {"cut to 40 characters", {"", forty, "", ""}, {forty.left(40)}},
        {"no duplicates, main heading first", {"Kiss Anna", "Kiss Anna. - Kiss Anna", "Kiss Anna", ""}, {"Kiss Anna"}},
        {"reference adds its variant, the heading comes from szerzo",
         {"Petőfi Sándor", "", "", "Petrovics Sándor-->Petőfi Sándor"}, {"Petőfi Sándor", "Petrovics Sándor"}},
        {"several references: variants and inner headings",
         {"", "", "", "Alfa-->Béta#Gamma-->Delta"}, {"Alfa", "Béta", "Gamma"}},
        {"reference parts trimmed", {"", "", "", "[Alfa -->Béta"}, {"Alfa"}},
        {"empty fields give nothing", {"", "", "", ""}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(authorEntries(c.fields), c.expected) << c.what;
}

TEST(TitleEntries, FollowTheRulesOfEachField) {
    const struct {
        const char* what;
        TitleFields fields;
        QStringList expected;
    } cases[] = {
        {"titles whole, in order", {"Főcím", "Alcím", "Párh", "Párh alcím", "", "", "", ""},
         {"Főcím", "Alcím", "Párh", "Párh alcím"}},
        {"title proper longer than 40 stays whole", {forty, "", "", "", "", "", "", ""}, {forty}},
        {"series cut and trimmed", {"A", "", "", "", "[" + forty, " Második", "", ""}, {"A", forty.left(39), "Második"}},
        {"second series added only when new", {"A", "", "", "", "Sorozat", "Sorozat", "", ""}, {"A", "Sorozat"}},
        {"further titles split at #, trimmed, no duplicates",
         {"A", "", "", "", "", "", " Első mű#[Második mű #A#", ""}, {"A", "Első mű", "Második mű "}},
        {"volume titles between angle brackets",
         {"A", "", "", "", "", "", "", "1. köt.: <Tavasz>#2. köt.: <Nyár>"}, {"A", "Tavasz", "Nyár"}},
        {"volume title cut to 40", {"A", "", "", "", "", "", "", "<" + forty + ">"}, {"A", forty.left(40)}},
    };
    for (const auto& c : cases) EXPECT_EQ(titleEntries(c.fields), c.expected) << c.what;
}

} // namespace
