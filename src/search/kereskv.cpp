#include "kereskv.h"

#include "command_guard.h"
#include "wheel_guard.h"
#include "database.h"
#include "library_lists.h"
#include "library_settings.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

namespace kodrix {

// The result rows as the grid shows them, read-only.
class ResultModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(CatalogueSearch::Result result, QStringList captions) {
        beginResetModel();
        result_ = std::move(result);
        captions_ = std::move(captions);
        endResetModel();
    }
    const CatalogueSearch::Result& result() const { return result_; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(result_.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : std::max<int>(int(result_.columns.size()), int(captions_.size()));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
        const QVariantList& row = result_.rows.at(index.row());
        if (index.column() >= row.size()) return {};
        const QVariant& v = row.at(index.column());
        if (v.typeId() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("yyyy.MM.dd"));
        return v.toString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
        if (section < captions_.size() && !captions_.at(section).isEmpty()) return captions_.at(section);
        return result_.columns.value(section).toLower();
    }

private:
    CatalogueSearch::Result result_;
    QStringList captions_;
};

namespace {

QStringList standardCaptions(bool audio) {
    return {QStringLiteral("Szakj."), QStringLiteral("Rakt. j."), QStringLiteral("Szerző és szerzőségi adatok"),
            QStringLiteral("Cím és egyéb címadatok"), QStringLiteral("Kötet"),
            audio ? QStringLiteral("Terjedelem") : QStringLiteral("Kötet adatok"), QStringLiteral("Kiad.év"),
            QStringLiteral("Sorozatszám"), QString(), QStringLiteral("Dok. típus"), QString()};
}

} // namespace

Tkereskv::Tkereskv(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), search_(context.db), modes_(new QComboBox(this)), text_(new QLineEdit(this)),
      second_(new QLineEdit(this)), match_(new QButtonGroup(this)), locations_(new QComboBox(this)),
      types_(new QComboBox(this)), hits_(new QLabel(QStringLiteral("0 db"), this)), grid_(new QTableView(this)),
      model_(new ResultModel(this)) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("Tkereskv"));

    modes_->addItems(CatalogueSearch::modeNames());
    text_->setMaxLength(30);
    second_->setMaxLength(30);
    second_->setToolTip(QStringLiteral("Ha mindkét esetben kiadási évet ad meg, a program a két dátum között keres!"));
    types_->addItems({"Mind", "Könyv", "AV", "Multimédia", "Hangzó", "Szakdolgozat", "E-könyv"});
    locations_->addItem(QStringLiteral("Mindenhol"));

    auto* page = new QWidget(this);
    auto* form = new QGridLayout;
    const auto addRow = [&](int row, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, page);
        label->setBuddy(field);
        form->addWidget(label, row, 0);
        form->addWidget(field, row, 1);
    };
    addRow(0, QStringLiteral("A keresés szempontja: "), modes_);
    addRow(1, QStringLiteral("Írja be a keresett adat első néhány betűjét:"), text_);
    addRow(2, QStringLiteral("Összetett keresés (cím vagy kiadási év):"), second_);
    auto* matchBox = new QWidget(page);
    auto* matchLayout = new QHBoxLayout(matchBox);
    matchLayout->setContentsMargins(0, 0, 0, 0);
    int id = 0;
    for (const QString& caption : {QStringLiteral("Részlet egyezése"), QStringLiteral("Pontos megfelelés"),
                                   QStringLiteral("Szó eleji egyezés")}) {
        auto* b = new QRadioButton(caption, matchBox);
        match_->addButton(b, id++);
        matchLayout->addWidget(b);
    }
    match_->button(0)->setChecked(true);
    matchBox->setAccessibleName(QStringLiteral("Keresés típusa"));
    auto* matchLabel = new QLabel(QStringLiteral("Keresés típusa:"), page);
    matchLabel->setBuddy(match_->button(0));
    form->addWidget(matchLabel, 3, 0);
    form->addWidget(matchBox, 3, 1);
    addRow(4, QStringLiteral("Lelőhely:"), locations_);
    addRow(5, QStringLiteral("Dok. típus:"), types_);
    auto* hitsLabel = new QLabel(QStringLiteral("Találatok száma:"), page);
    hitsLabel->setBuddy(grid_);
    form->addWidget(hitsLabel, 6, 0);
    form->addWidget(hits_, 6, 1);

    auto* commands = new QHBoxLayout;
    for (const QString& caption : {QStringLiteral(" &Keresés"), QStringLiteral("Ú&jdonságok"), QStringLiteral(" Bezár")}) {
        auto* b = new QPushButton(caption, page);
        buttons_.append(b);
        commands->addWidget(b);
    }
    commands->addStretch();

    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setAccessibleName(QStringLiteral("Találatok"));
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setStretchLastSection(false);

    // The displays and lists of a found record come with their own module.
    auto* below = new QHBoxLayout;
    for (const QString& caption : {QStringLiteral(" Katalógus &cédula formátum"), QStringLiteral(" &Listás"),
                                   QStringLiteral("  &Nyomtatás"), QStringLiteral("Lista &mentése"),
                                   QStringLiteral("Bibliográfia"), QStringLiteral("Mentés")}) {
        auto* b = new QPushButton(caption, page);
        b->setEnabled(false);
        buttons_.append(b);
        below->addWidget(b);
    }
    below->addStretch();

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(form);
    pageLayout->addLayout(commands);
    pageLayout->addWidget(grid_, 1);
    pageLayout->addLayout(below);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(page, QStringLiteral("Keresés"));
    tabs->addTab(new QWidget(tabs), QStringLiteral("Listázás"));
    tabs->setTabEnabled(1, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);

    connect(button(QStringLiteral(" Keresés")), &QPushButton::clicked, this, &Tkereskv::search);
    connect(text_, &QLineEdit::returnPressed, this, &Tkereskv::search);
    connect(second_, &QLineEdit::returnPressed, this, &Tkereskv::search);
    connect(button(QStringLiteral("Újdonságok")), &QPushButton::clicked, this, &Tkereskv::showNewest);
    connect(button(QStringLiteral(" Bezár")), &QPushButton::clicked, this, &QWidget::close);
    connect(modes_, &QComboBox::currentIndexChanged, this, &Tkereskv::modeChanged);
    connect(grid_, &QTableView::clicked, this, &Tkereskv::rowClicked);
    setTabOrder(modes_, text_);
    setTabOrder(text_, second_);
    setFocusProxy(text_);

    guarded(ctx_.dialogs, [&] {
        locations_->addItems(locationNames(ctx_.db));
        if (const auto settings = LibrarySettings(ctx_.db).load()) libraryCode_ = settings->kvtkod;
    });
    modeChanged();
    guardWheel(this);
}

Tkereskv::~Tkereskv() = default;

QPushButton* Tkereskv::button(const QString& caption) const {
    for (QPushButton* b : buttons_)
        if (QString(b->text()).remove(QLatin1Char('&')) == caption) return b;
    return nullptr;
}

int Tkereskv::rowCount() const { return model_->rowCount(); }

QString Tkereskv::cell(int row, int column) const { return model_->data(model_->index(row, column), Qt::DisplayRole).toString(); }

QString Tkereskv::header(int column) const { return model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(); }

bool Tkereskv::columnHidden(int column) const { return grid_->isColumnHidden(column); }

void Tkereskv::modeChanged() { second_->setEnabled(CatalogueSearch::takesSecondTerm(modes_->currentIndex())); }

void Tkereskv::showResult(CatalogueSearch::Result result, const QStringList& captions, const QList<int>& hidden) {
    model_->reset(std::move(result), captions);
    for (int c = 0; c < model_->columnCount(); ++c) grid_->setColumnHidden(c, hidden.contains(c));
    hits_->setText(QStringLiteral("%1 db").arg(model_->rowCount()));
    for (const QString& b : {QStringLiteral(" Katalógus cédula formátum"), QStringLiteral(" Listás")})
        button(b)->setEnabled(false);
}

void Tkereskv::search() {
    selection_ = 0;
    CatalogueSearch::Request r;
    r.mode = modes_->currentIndex();
    r.text = text_->text();
    r.second = second_->isEnabled() ? second_->text() : QString();
    r.match = static_cast<CatalogueSearch::Match>(std::max(0, match_->checkedId()));
    r.location = locations_->currentIndex() > 0 ? locations_->currentText() : QString();
    r.type = types_->currentIndex() > 0 ? types_->currentText() : QString();
    if (!CatalogueSearch::acceptable(r)) {
        ctx_.dialogs.message(CatalogueSearch::kTooShort);
        return;
    }
    guarded(ctx_.dialogs, [&] {
        CatalogueSearch::Result result = search_.run(r);
        if (r.mode == CatalogueSearch::InventoryNumber) selection_ = 1;
        QStringList captions;
        QList<int> hidden;
        if (r.mode == CatalogueSearch::AudiobookList) {
            captions = standardCaptions(true);
            captions[4] = QStringLiteral("Kiad.év");
            captions[5] = QStringLiteral("Terjedelem");
            captions[6] = QStringLiteral("Előadó");
            hidden = {7};
        } else {
            captions = standardCaptions(types_->currentText() == QStringLiteral("Hangzó"));
        }
        showResult(std::move(result), captions, hidden);
        // Counted as a librarian's search only while one is logged in.
        search_.count(ctx_.clock.today(), ctx_.session.loggedIn);
    });
}

void Tkereskv::showNewest() {
    guarded(ctx_.dialogs, [&] {
        CatalogueSearch::Result result = search_.newest(libraryCode_, types_->currentIndex() > 0 ? types_->currentText() : QString(),
                                                        locations_->currentIndex() > 0 ? locations_->currentText() : QString());
        showResult(std::move(result),
                   {QStringLiteral("Szakj."), QStringLiteral("Rakt. j."), QStringLiteral("Szerző és szerzőségi adatok"),
                    QStringLiteral("Cím és egyéb címadatok"), QStringLiteral("Kiad. év"), QStringLiteral("Dok. típus")},
                   {6, 7});
    });
}

void Tkereskv::rowClicked(const QModelIndex& index) {
    if (!index.isValid()) return;
    const auto& result = model_->result();
    int idColumn = -1;
    for (int i = result.columns.size() - 1; i >= 0; --i)
        if (result.columns.at(i).compare(QLatin1String("id"), Qt::CaseInsensitive) == 0) idColumn = i;
    if (idColumn < 0) return;
    selection_ = result.rows.at(index.row()).at(idColumn).toLongLong();
}

} // namespace kodrix
