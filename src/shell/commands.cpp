#include "commands.h"

namespace kodrix {

namespace {
MenuEntry separator() { return {QString(), QString(), QString()}; }
} // namespace

const std::vector<MenuGroup>& mainMenu() {
    static const std::vector<MenuGroup> menu = {
        {QStringLiteral("&Kodrix"), false,
         {{cmd::Login, QStringLiteral("&Bejelentkezés"), {}},
          {cmd::Logout, QStringLiteral("&Kijelentkezés"), {}},
          {cmd::Quit, QStringLiteral("K&ilépés"), {}}}},
        {QStringLiteral("K&eresés"), false,
         {{cmd::SearchCatalogue, QStringLiteral("&Könyv,AV,Mmédia,Hangzó,Szakd. "), {}},
          {cmd::SearchOldBooks, QStringLiteral("&Régi könyv"), {}},
          {cmd::SearchPeriodicals, QStringLiteral("&Folyóirat, cikk"), {}}}},
        {QStringLiteral("K&atalogizálás"), true,
         {{cmd::CatBook, QStringLiteral("&Könyv"), QStringLiteral("Könyv")},
          {cmd::CatAv, QStringLiteral("&AV (video film)"), QStringLiteral("AV")},
          {cmd::CatMultimedia, QStringLiteral("&Multimédia"), QStringLiteral("Multimédia")},
          {cmd::CatAudio, QStringLiteral("&Hangzó (zene, hangoskönyv)"), QStringLiteral("Hangzó")},
          {cmd::CatThesis, QStringLiteral("&Szakdolgozat"), QStringLiteral("Szakdolgozat")},
          {cmd::CatEbook, QStringLiteral("&E-könyv"), QStringLiteral("E-könyv")},
          {cmd::CatPeriodical, QStringLiteral("&Periodika"), QStringLiteral("Periodika")},
          separator(),
          {cmd::CatOldBook, QStringLiteral("&Régi könyv"), {}},
          separator(),
          {cmd::Anniversaries, QStringLiteral("É&vfordulók és helyi rendeletek"), {}},
          separator(),
          {cmd::Expenses, QStringLiteral("K&iadások nyilvántartása"), {}}}},
        {QStringLiteral("&Folyóirat"), true,
         {{cmd::Periodicals, QStringLiteral("&Folyóirat, cikk"), {}}}},
        {QStringLiteral("&Olvasószolgálat"), true,
         {{cmd::Circulation, QStringLiteral("&Beiratkozás, kölcsönzés"), {}},
          {cmd::InterLibraryLoans, QStringLiteral("&Könyvtárközi kölcsönzés"), {}}}},
        {QStringLiteral("&Leltárkönyv"), true,
         {{cmd::InventoryBook, QStringLiteral("&Leltárkönyv"), {}},
          {cmd::GroupRegisters, QStringLiteral("&Csoportos leltárkönyvek"), {}},
          separator(),
          {cmd::DiscardLists, QStringLiteral("&Selejtjegyzék"), {}},
          {cmd::StockAudit, QStringLiteral("&Állományellenőrzés"), {}},
          separator(),
          {cmd::Statistics, QStringLiteral("S&tatisztika"), {}}}},
        {QStringLiteral("Ka&rbantartás"), true,
         {{cmd::LibraryData, QStringLiteral("&Könyvtár adatai"), {}},
          {cmd::Librarians, QStringLiteral("Könyvtár&osok"), {}},
          {cmd::ReaderStatuses, QStringLiteral("O&lvasói státuszok"), {}}}},
        {QStringLiteral("E&gyéb"), true,
         {{cmd::Visitors, QStringLiteral("&Látogatók, programok"), {}},
          {cmd::Desiderata, QStringLiteral("&Desideráta katalógus"), {}},
          {cmd::FunctionKeys, QStringLiteral("&Funkcióbillentyűk"), {}},
          {cmd::PasswordChange, QStringLiteral("&Jelszó módosítás"), {}}}},
        {QStringLiteral("&Névjegy"), false,
         {{cmd::Help, QStringLiteral("&Súgó"), {}},
          {cmd::About, QStringLiteral("&Névjegy"), {}}}},
    };
    return menu;
}

QString plainCaption(const QString& caption) {
    QString plain = caption;
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return plain;
}

} // namespace kodrix
