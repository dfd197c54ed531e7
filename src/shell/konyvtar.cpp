#include "konyvtar.h"

#include "command_guard.h"
#include "wheel_guard.h"
#include "dates.h"
#include "dialogs.h"
#include "library_settings.h"
#include "list_grid.h"
#include "list_panel.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

namespace kodrix {

namespace {

QString decimalText(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return QString();
    QString t = QString::number(v.toDouble(), 'f', 2);
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    return t;
}

} // namespace

Tkonyvtar::Tkonyvtar(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context),
      codes_(std::make_unique<db::ListEditor>(
          context.db, QStringLiteral("kvtarkod"),
          QList<db::ListColumn>{{QStringLiteral("id"), QStringLiteral("ID"), db::ListColumn::Kind::Integer},
                                {QStringLiteral("kvtarkod"), QStringLiteral("Könyvtárkód"),
                                 db::ListColumn::Kind::Text, 20}},
          QStringLiteral("select * from kvtarkod order by kvtarkod collate HU_HU_ICU;"))),
      locations_(std::make_unique<db::ListEditor>(
          context.db, QStringLiteral("lhely"),
          QList<db::ListColumn>{{QStringLiteral("id"), QStringLiteral("ID"), db::ListColumn::Kind::Integer},
                                {QStringLiteral("lhely"), QStringLiteral("Lelőhely"), db::ListColumn::Kind::Text, 60}},
          QStringLiteral("select * from lhely order by lhely collate HU_HU_ICU;"))),
      pages_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("A könyvtár adatai"));
    setObjectName(QStringLiteral("Tkonyvtar"));
    pages_->addTab(buildSettingsPage(), QStringLiteral("A könyvtár adatai"));
    pages_->addTab(buildListsPage(), QStringLiteral("Könyvtárkód/Lelőhely"));
    pages_->addTab(buildBackupPage(), QStringLiteral("Mentés"));

    auto* close = new QPushButton(QStringLiteral(" Bezár"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(close, 0, Qt::AlignRight);

    guarded(ctx_.dialogs, [&] {
        codes_->load();
        locations_->load();
        codesGrid_->refresh();
        locationsGrid_->refresh();
        if (const auto s = LibrarySettings(ctx_.db).load()) {
            fields_.value(QStringLiteral("kvtnev"))->setText(s->kvtnev);
            fields_.value(QStringLiteral("kvtkod"))->setText(s->kvtkod);
            fields_.value(QStringLiteral("email"))->setText(s->email);
            fields_.value(QStringLiteral("kolcsdatum"))->setText(db::dateText(s->kolcsdatum));
            (s->kes == QLatin1String("f") ? perNotice_ : perDay_)->setChecked(true);
            fields_.value(QStringLiteral("kesdij"))->setText(decimalText(s->kesdij));
            fields_.value(QStringLiteral("pnem"))->setText(s->pnem);
            fields_.value(QStringLiteral("alell"))->setText(s->alell);
        }
    });
    year_->setValue(ctx_.clock.today().year());
    guardWheel(this);
}

Tkonyvtar::~Tkonyvtar() = default;

QLineEdit* Tkonyvtar::field(const QString& column) const { return fields_.value(column); }

QWidget* Tkonyvtar::buildSettingsPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout;
    const auto addLine = [&](const char* column, const QString& caption, int maxLength) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QString::fromLatin1(column));
        edit->setMaxLength(maxLength);
        fields_.insert(QString::fromLatin1(column), edit);
        auto* label = new QLabel(caption, page);
        label->setBuddy(edit);
        form->addRow(label, edit);
    };
    addLine("kvtnev", QStringLiteral("Könyvtár &neve: "), 90);
    addLine("kvtkod", QStringLiteral("Könyvtár&kód:"), 11);
    addLine("email", QStringLiteral("&Email cím:"), 80);
    addLine("kolcsdatum", QStringLiteral("Kölcsönzési időszak &dátuma (tanév vége):"), 10);
    fields_.value(QStringLiteral("kolcsdatum"))->setPlaceholderText(QStringLiteral("éééé.hh.nn"));

    auto* feeBox = new QGroupBox(QStringLiteral("Késedelmi díj számítás::"), page);
    perDay_ = new QRadioButton(QStringLiteral("Ft/nap/könyv"), feeBox);
    perNotice_ = new QRadioButton(QStringLiteral("Felszólítónként"), feeBox);
    perDay_->setChecked(true);
    auto* group = new QButtonGroup(feeBox);
    group->addButton(perDay_);
    group->addButton(perNotice_);
    auto* feeLayout = new QHBoxLayout(feeBox);
    feeLayout->addWidget(perDay_);
    feeLayout->addWidget(perNotice_);
    form->addRow(feeBox);

    addLine("kesdij", QStringLiteral("Ö&sszege:"), 16);
    addLine("pnem", QStringLiteral("&Pénznem:"), 10);
    addLine("alell", QStringLiteral("Állományellenőrzés é&ve:"), 10);

    save_ = new QPushButton(QStringLiteral("&Mentés"), page);
    connect(save_, &QPushButton::clicked, this, &Tkonyvtar::saveSettings);

    // Written by the year-end work of the reader file, which this window does not do yet.
    auto* emailRow = new QHBoxLayout;
    emailRow->addWidget(new QLabel(QStringLiteral("Felnőtt olvasói e-mail címek mentése az email.txt fájlba:"), page));
    auto* emailSave = new QPushButton(QStringLiteral("Mentés"), page);
    emailSave->setObjectName(QStringLiteral("emailMentes"));
    emailSave->setEnabled(false);
    emailRow->addWidget(emailSave);
    emailRow->addWidget(new QLabel(QStringLiteral("0 db"), page));
    emailRow->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(save_, 0, Qt::AlignLeft);
    layout->addSpacing(12);
    layout->addLayout(emailRow);
    layout->addStretch();
    return page;
}

QWidget* Tkonyvtar::buildGridPanel(ListGrid* grid, bool confirmDelete) {
    // Keys are typed into the grid's ID column; a new row starts with the next free one.
    ListPanelOptions options;
    options.typedKeys = true;
    options.confirmDelete = confirmDelete;
    return new ListPanel(grid, ctx_.dialogs, options, this);
}

QWidget* Tkonyvtar::buildListsPage() {
    auto* page = new QWidget(this);
    codesGrid_ = new ListGrid(*codes_, QStringLiteral("Könyvtárkódok"), page);
    locationsGrid_ = new ListGrid(*locations_, QStringLiteral("Lelőhelyek"), page);

    auto* codesColumn = new QVBoxLayout;
    codesColumn->addWidget(new QLabel(QStringLiteral("Könyvtárkódok"), page));
    codesColumn->addWidget(buildGridPanel(codesGrid_, true));
    codesColumn->addWidget(new QLabel(QStringLiteral("Legalább a saját könyvtári"), page));
    codesColumn->addWidget(new QLabel(QStringLiteral("kódját meg kell adnia!"), page));

    auto* locationsColumn = new QVBoxLayout;
    locationsColumn->addWidget(new QLabel(QStringLiteral("Lelőhelyek"), page));
    locationsColumn->addWidget(buildGridPanel(locationsGrid_, false));
    locationsColumn->addWidget(new QLabel(QStringLiteral("Lelőhely: ahol a dokumentumok vannak."), page));

    // The year-end work of the reader file comes with its own commands later.
    auto* yearEnd = new QGroupBox(QStringLiteral("Év végi zárás:"), page);
    auto* yearLayout = new QVBoxLayout(yearEnd);
    year_ = new QSpinBox(yearEnd);
    year_->setObjectName(QStringLiteral("ev"));
    year_->setRange(1900, 9999);
    auto* yearLabel = new QLabel(QStringLiteral("É&v:"), yearEnd);
    yearLabel->setBuddy(year_);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(year_);
    yearRow->addStretch();
    yearLayout->addLayout(yearRow);
    for (const QString& caption :
         {QStringLiteral("Osztályok növelése"), QStringLiteral("Éves olvasói lista készítés"),
          QStringLiteral("Régi olvasók listája"), QStringLiteral("Az 5 évnél régebbi olvasók törlése")}) {
        auto* b = new QPushButton(caption, yearEnd);
        b->setEnabled(false);
        yearLayout->addWidget(b);
    }
    yearLayout->addStretch();

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(codesColumn, 1);
    layout->addLayout(locationsColumn, 1);
    layout->addWidget(yearEnd);
    return page;
}

QWidget* Tkonyvtar::buildBackupPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* backup = new QPushButton(QStringLiteral("Mentés"), page);
    backup->setObjectName(QStringLiteral("adatbazisMentes"));
    backup->setEnabled(false);
    layout->addWidget(backup, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

void Tkonyvtar::saveSettings() {
    LibrarySettingsValues v;
    v.kvtnev = fields_.value(QStringLiteral("kvtnev"))->text();
    v.kvtkod = fields_.value(QStringLiteral("kvtkod"))->text();
    v.email = fields_.value(QStringLiteral("email"))->text();
    const QString date = fields_.value(QStringLiteral("kolcsdatum"))->text().trimmed();
    v.kolcsdatum = db::parseDateText(date);
    if (!date.isEmpty() && !v.kolcsdatum.isValid()) {
        ctx_.dialogs.message(QStringLiteral("Hibás dátum: %1\nA dátum formája: éééé.hh.nn").arg(date));
        fields_.value(QStringLiteral("kolcsdatum"))->setFocus();
        return;
    }
    v.kes = perNotice_->isChecked() ? QStringLiteral("f") : QStringLiteral("n");
    const QString fee = fields_.value(QStringLiteral("kesdij"))->text().trimmed();
    if (!fee.isEmpty()) {
        bool ok = false;
        const double amount = QString(fee).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok) {
            ctx_.dialogs.message(QStringLiteral("Hibás összeg: %1").arg(fee));
            fields_.value(QStringLiteral("kesdij"))->setFocus();
            return;
        }
        v.kesdij = amount;
    }
    v.pnem = fields_.value(QStringLiteral("pnem"))->text();
    v.alell = fields_.value(QStringLiteral("alell"))->text();
    if (!guarded(ctx_.dialogs, [&] { LibrarySettings(ctx_.db).save(v); })) return;
    // A second click within three seconds must not save again.
    save_->setEnabled(false);
    QTimer::singleShot(kSaveLockMs, save_, [button = save_] { button->setEnabled(true); });
}

} // namespace kodrix
