#include "olvstatus.h"

#include "command_guard.h"
#include "list_grid.h"
#include "list_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace kodrix {

namespace {

using Kind = db::ListColumn::Kind;

struct PageDef {
    QString caption;
    QString table;
    QList<db::ListColumn> columns;
    QString select;
    QString newCaption;
    QStringList notes;
};

const std::vector<PageDef>& pageDefs() {
    static const std::vector<PageDef> defs = {
        {QStringLiteral("&Olvasói kategóriák"), QStringLiteral("olvkat"),
         {{QStringLiteral("katnev"), QStringLiteral("Kategória megnevezése"), Kind::Text, 40},
          {QStringLiteral("kolcsdok"), QStringLiteral("Kölcs. dok száma"), Kind::Integer},
          {QStringLiteral("tagdij"), QStringLiteral("Tagdíj"), Kind::Integer},
          {QStringLiteral("fkap"), QStringLiteral("Felsz. kap?"), Kind::Text, 1}},
         QStringLiteral("select * from olvkat order by id;"), QStringLiteral(" Új"),
         {QStringLiteral("Kölcs. dok. száma: maximálisan kölcsönözhető dokumentumok száma (inkább többet engedjen!)"),
          QStringLiteral("Felsz. kap: felszólítót kaphat-e? i/n")}},
        {QStringLiteral("&Foglalkozások"), QStringLiteral("foglalk"),
         {{QStringLiteral("foglalk"), QStringLiteral("Foglalkozás"), Kind::Text, 60}},
         QStringLiteral("select * from foglalk order by foglalk collate HU_HU_ICU;"), QStringLiteral("Új"), {}},
        {QStringLiteral("&Munkahelyek"), QStringLiteral("munkahely"),
         {{QStringLiteral("munkahely"), QStringLiteral("Nunkahely / Iskola"), Kind::Text, 100}},
         QStringLiteral("select * from munkahely order by munkahely collate HU_HU_ICU;"), QStringLiteral("Új"), {}},
        {QStringLiteral("Irányítószámok"), QStringLiteral("irszam"),
         {{QStringLiteral("id"), QStringLiteral("ID"), Kind::Integer},
          {QStringLiteral("helyseg"), QStringLiteral("Helység"), Kind::Text, 60},
          {QStringLiteral("irszam"), QStringLiteral("Irányítószám"), Kind::Text, 10},
          {QStringLiteral("orszag"), QStringLiteral("Ország"), Kind::Text, 40}},
         QStringLiteral("select * from irszam order by id;"), QStringLiteral("Új"), {}},
    };
    return defs;
}

} // namespace

Tolvstatus::Tolvstatus(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), pages_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Olvasói státuszok beállítása"));
    setObjectName(QStringLiteral("Tolvstatus"));
    const auto& defs = pageDefs();
    for (int i = 0; i < int(defs.size()); ++i) {
        const PageDef& d = defs.at(i);
        editors_.push_back(std::make_unique<db::ListEditor>(ctx_.db, d.table, d.columns, d.select));
        auto* page = new QWidget(pages_);
        auto* grid = new ListGrid(*editors_.back(), QString(d.caption).remove(QLatin1Char('&')), page);
        grids_.push_back(grid);
        // Each page keys its own new rows by the next-id rule of its table; the other pages'
        // rows are not touched. Deleting is immediate.
        ListPanelOptions options;
        options.captions = {d.newCaption, QStringLiteral("Mentés"), QStringLiteral("Törlés")};
        panels_.push_back(new ListPanel(grid, ctx_.dialogs, options, page));
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(panels_.back());
        for (const QString& note : d.notes) layout->addWidget(new QLabel(note, page));
        pages_->addTab(page, d.caption);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);

    guarded(ctx_.dialogs, [&] {
        for (int i = 0; i < int(editors_.size()); ++i) {
            editors_[i]->load();
            grids_[i]->refresh();
        }
    });
}

Tolvstatus::~Tolvstatus() = default;

void Tolvstatus::addRow(int page) { panels_.at(page)->addRow(); }

void Tolvstatus::saveRows(int page) { panels_.at(page)->saveRows(); }

void Tolvstatus::deleteRow(int page) { panels_.at(page)->deleteRow(); }

} // namespace kodrix
