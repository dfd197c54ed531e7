#include "kat_kv.h"

#include "command_guard.h"
#include "wheel_guard.h"
#include "dialogs.h"
#include "function_keys.h"
#include "authority_lists.h"
#include "card_text.h"
#include "katced.h"
#include "library_lists.h"
#include "library_settings.h"
#include "list_grid.h"
#include "list_panel.h"
#include "shelf_mark.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>

namespace kodrix {

namespace {

const QString kAccessCode = QStringLiteral("Qorbelt");

const QStringList kLanguages = {"angol",  "cseh",   "eszperantó", "francia", "görög",  "horvát",
                                "latin",  "lengyel", "magyar",    "német",   "olasz",  "orosz",
                                "román",  "spanyol", "szerb",     "szlovák", "többnyelvű"};
const QStringList kStatuses = {"Megrendelés alatt", "Feldolgozás alatt", "Nem kölcsönözhető", "3 nap",
                               "1 hét", "2 hét", "3 hét", "4 hét", "3 hónap", "Tanév végéig",
                               "Selejtezésre jelölve", "Selejtezve"};
const QStringList kAcquisitionModes = {"Vétel", "Ajándék", "Saját kiadás", "Törzsanyag", "Letét", "Köteles példány"};
const QStringList kCategories = {"", "Ifjúsági", "Helyismeret", "Nemzetiségi", "Muzeális"};
const QStringList kAuthorColumns = {"szerzo", "tft", "mt", "utalo"};

QString fieldText(QWidget* w) {
    if (auto* l = qobject_cast<QLineEdit*>(w)) return l->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return QString();
}

void setFieldText(QWidget* w, const QString& text) {
    if (auto* l = qobject_cast<QLineEdit*>(w)) {
        l->setText(text);
        l->setCursorPosition(0);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        p->setPlainText(text);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable()) {
            c->setEditText(text);
        } else {
            int i = c->findText(text);
            if (i < 0 && !text.isEmpty()) {
                c->addItem(text);
                i = c->count() - 1;
            }
            c->setCurrentIndex(std::max(i, text.isEmpty() ? c->findText(QString()) : i));
        }
    }
}

QString decimalText(const QVariant& v) {
    if (v.isNull() || v.toString().isEmpty()) return QString();
    QString t = QString::number(v.toDouble(), 'f', 2);
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    return t;
}

QString stamp(const Record& r, const char* who, const char* when) {
    const QString name = r.value(QLatin1String(who)).toString();
    const QString date = db::dateText(r.value(QLatin1String(when)).toDate());
    return (name + QLatin1Char(' ') + date).trimmed();
}

QLineEdit* lineEdit(QWidget* parent, int maxLength) {
    auto* l = new QLineEdit(parent);
    l->setMaxLength(maxLength);
    return l;
}

QPushButton* makeButton(const QString& caption, QWidget* parent, QHash<QString, QPushButton*>& all,
                        const QString& name = QString()) {
    auto* b = new QPushButton(caption, parent);
    all.insert(name.isEmpty() ? caption : name, b);
    return b;
}

} // namespace

CatalogueVariant catalogueVariant(const QString& type) {
    if (type == QLatin1String("AV")) return {1, QStringLiteral("Katalogizálás: AV (video)")};
    if (type == QStringLiteral("Multimédia")) return {2, QStringLiteral("Katalogizálás: multimédia")};
    if (type == QLatin1String("Szakdolgozat")) return {4, QStringLiteral("Katalogizálás: Szakdolgozat")};
    if (type == QStringLiteral("E-könyv")) return {5, QStringLiteral("Katalogizálás: e-könyv")};
    if (type == QLatin1String("Periodika"))
        return {6, QStringLiteral("Katalogizálás: periodika: bekötött, beleltározott folyóirat")};
    return {0, QStringLiteral("Katalogizálás: könyv")};
}

Tkatkv::Tkatkv(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), type_(context.session.documentType),
      records_(context.db, context.clock, type_, context.session.librarianName),
      copies_(context.db, context.clock, type_, context.session.librarianName),
      titleIndex_(context.db, QStringLiteral("kcim"),
                  {{QStringLiteral("cim"), QStringLiteral("Kereshető címek"), db::ListColumn::Kind::Text, 250}},
                  QString()),
      authorIndex_(context.db, QStringLiteral("kszerzo"),
                   {{QStringLiteral("szerzo"), QStringLiteral("Kereshető szerzők"), db::ListColumn::Kind::Text, 200}},
                   QString()),
      subjectList_(context.db, QStringLiteral("targyszo"),
                   {{QStringLiteral("targyszo"), QStringLiteral("Tárgyszó"), db::ListColumn::Kind::Text, 100},
                    {QStringLiteral("szinonima"), QStringLiteral("Szinoníma"), db::ListColumn::Kind::Text, 100}},
                   QStringLiteral("select * from targyszo order by targyszo collate HU_HU_ICU;")),
      publisherList_(context.db, QStringLiteral("kiadok"),
                     {{QStringLiteral("kiado"), QStringLiteral("Kiadó"), db::ListColumn::Kind::Text, 100}}, QString()),
      genreList_(context.db, QStringLiteral("mufaj"),
                 {{QStringLiteral("mufaj"), QStringLiteral("Műfajok:"), db::ListColumn::Kind::Text, 60}}, QString()),
      authorList_(context.db, QStringLiteral("szerzok"),
                  {{QStringLiteral("szerzo"), QStringLiteral("Szerző"), db::ListColumn::Kind::Text, 200},
                   {QStringLiteral("testuleti"), QStringLiteral("Testületi"), db::ListColumn::Kind::Text, 1}},
                  QString()),
      pages_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("Tkatkv"));
    const CatalogueVariant variant = catalogueVariant(type_);
    setProperty("tag", variant.tag);
    setWindowTitle(variant.caption);
    setWindowState(Qt::WindowMaximized);

    // Above the pages: the shown record's number and who is logged in.
    idField_ = new QLineEdit(this);
    idField_->setReadOnly(true);
    idField_->setObjectName(QStringLiteral("id"));
    auto* loggedIn = new QLineEdit(ctx_.session.librarianName, this);
    loggedIn->setReadOnly(true);
    auto* top = new QHBoxLayout;
    auto* idLabel = new QLabel(QStringLiteral("Sorszám:"), this);
    idLabel->setBuddy(idField_);
    auto* loggedLabel = new QLabel(QStringLiteral("Bejelentkezve:"), this);
    loggedLabel->setBuddy(loggedIn);
    top->addWidget(idLabel);
    top->addWidget(idField_);
    top->addSpacing(24);
    top->addWidget(loggedLabel);
    top->addWidget(loggedIn);
    top->addStretch();

    pages_->addTab(buildDescriptionPage(), QStringLiteral("&Leírás"));
    pages_->addTab(buildCopiesPage(), QStringLiteral("&Példányadatok"));
    pages_->addTab(buildSubjectsPage(), QStringLiteral("&Tárgyszó, kiadó"));
    pages_->addTab(buildPlaceholderPage({}), QStringLiteral("&Analitikus"));
    pages_->addTab(buildPlaceholderPage({}), QStringLiteral("Export, import"));
    pages_->addTab(buildStatisticsPage(), QStringLiteral("Statisztika"));
    // The analytic entries come with their own module.
    pages_->widget(Analytic)->setEnabled(false);
    // 1. The export page stays hidden.
    pages_->setTabVisible(ExportImport, false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_);

    // 2. The function keys of kodrix.ini; a missing file leaves them empty.
    if (const auto keys = function_keys::read(function_keys::filePath(ctx_.workDir)))
        ctx_.session.functionKeys = *keys;
    FunctionKeyFilter::install(this, ctx_.session.functionKeys);

    guarded(ctx_.dialogs, [&] { loadLists(); });
    applyVariant();
    connect(pages_, &QTabWidget::currentChanged, this, &Tkatkv::pageChanged);
    clearRecord();
    setFocusProxy(searchBox_);
    guardWheel(this);
}

Tkatkv::~Tkatkv() = default;

QWidget* Tkatkv::buildDescriptionPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addField = [&](const QString& column, const QString& caption, QWidget* field, int span = 3) {
        field->setObjectName(column);
        auto* label = new QLabel(caption, page);
        label->setBuddy(field);
        labels_.insert(column, label);
        recordFields_.insert(column, field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, span);
        ++row;
        return field;
    };
    const auto line = [&](int maxLength) { return lineEdit(page, maxLength); };
    const auto memo = [&]() {
        auto* m = new QPlainTextEdit(page);
        m->setTabChangesFocus(true);
        m->setMaximumHeight(60);
        return m;
    };

    // Search row.
    searchMode_ = new QComboBox(page);
    searchMode_->addItems({"Főcím", "Szerző", "Leltári szám", "Vonalkód", "Sorszám"});
    searchMode_->setAccessibleName(QStringLiteral("Keresés módja"));
    searchBox_ = new QLineEdit(page);
    searchBox_->setAccessibleName(QStringLiteral("Keresett szöveg"));
    searchBox_->setObjectName(QStringLiteral("kereses"));
    recordCount_ = new QLabel(QStringLiteral("0 db"), page);
    recordCount_->setObjectName(QStringLiteral("darab"));
    foundCopies_ = new QLabel(page);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchMode_);
    searchRow->addWidget(searchBox_, 1);
    for (const QString& c : {QStringLiteral("&Keresés"), QStringLiteral("&<<"), QStringLiteral("&>>")})
        searchRow->addWidget(makeButton(c, page, commands_));
    searchRow->addWidget(recordCount_);
    searchRow->addWidget(foundCopies_);
    grid->addLayout(searchRow, row++, 0, 1, 4);

    addField("szakj", "Szakjelzet:", line(60));
    auto* raktj = static_cast<QLineEdit*>(addField("raktj", "Raktári jelzet:", line(40)));
    connect(raktj, &QLineEdit::textEdited, raktj, [raktj](const QString& t) {
        const int at = raktj->cursorPosition();
        raktj->setText(t.toUpper());
        raktj->setCursorPosition(at);
    });
    auto* genre = new QComboBox(page);
    genre->setEditable(true);
    addField("irmufaj", "Irodalmi műfaj:", genre);
    auto* kind = new QComboBox(page);
    kind->addItem(QStringLiteral("Személynév"), QStringLiteral("s"));
    kind->addItem(QStringLiteral("Testületi név"), QStringLiteral("t"));
    labels_.insert("szemtest", new QLabel(QStringLiteral("A szerző:"), page));
    labels_.value("szemtest")->setBuddy(kind);
    kind->setObjectName(QStringLiteral("szemtest"));
    grid->addWidget(labels_.value("szemtest"), row, 0);
    grid->addWidget(kind, row++, 1);
    addField("szerzo", "Szerző:", line(200));
    addField("kiegadat", "Kieg. adat:", line(100));
    addField("fc", "Főcím:", line(250));
    addField("ac", "Alcím:", line(250));
    addField("pc", "Párh. cím:", line(250));
    addField("pac", "Párh. alcím:", line(250));
    addField("szerad", "Szerz. adcsop.:", line(250));
    addField("kiadjel", "Kiadás jelzés:", line(100));
    addField("kiadas", "Kiadás:", line(200), 2);
    publishers_ = new QComboBox(page);
    publishers_->setEditable(true);
    publishers_->setAccessibleName(QStringLiteral("Kiadók listája"));
    publishers_->lineEdit()->setMaxLength(80);
    publishers_->lineEdit()->installEventFilter(this);
    grid->addWidget(publishers_, row - 1, 3);
    auto* publisherRow = new QHBoxLayout;
    publisherRow->addWidget(makeButton(QStringLiteral("Keres"), page, commands_));
    publisherRow->addWidget(makeButton(QStringLiteral("Listára me&nt"), page, commands_));
    publisherRow->addStretch();
    grid->addLayout(publisherRow, row++, 3);
    addField("kiadev", "Kiadási év:", line(20));
    addField("nyomda", "Nyomda:", line(150));
    addField("ter", "Terjedelem:", line(150));
    addField("sc1", "Sorozat cím:", line(200));
    addField("issn", "ISSN:", line(40));
    addField("sc2", "Sorozat cím 2:", line(200));
    addField("sorszam", "Sorozat szám:", line(30));
    addField("megj", "Megjegyzés:", memo());
    auto* more = addField("tartmeg", "Tart. még:", memo());
    more->setToolTip(QStringLiteral("Ide írja a kereshető címeket!"));
    addField("isbn", "ISBN:", line(60));
    addField("kotes", "Kötés:", line(60));
    addField("ar", "Ár:", line(12), 2);
    auto* currency = new QLineEdit(page);
    currency->setMaxLength(10);
    currency->setObjectName(QStringLiteral("pnem"));
    currency->setAccessibleName(QStringLiteral("Pénznem"));
    recordFields_.insert("pnem", currency);
    grid->addWidget(currency, row - 1, 3);
    addField("tmt", "TMT:", line(500));
    addField("kotet", "Kötet adatok:", memo());
    addField("eto", "ETO:", line(200));
    addField("tft", "Tft:", memo())->setToolTip(QStringLiteral("Több szerző esetén #-el válassza el az adatokat egymástól!"));
    addField("tszo", "Tárgyszó:", line(500), 2);
    subjects_ = new QComboBox(page);
    subjects_->setEditable(true);
    subjects_->setAccessibleName(QStringLiteral("Tárgyszavak listája"));
    grid->addWidget(subjects_, row - 1, 3);
    auto* subjectRow = new QHBoxLayout;
    for (const QString& c : {QStringLiteral("Kiválaszt #"), QStringLiteral("Kiválaszt -"), QStringLiteral("Tár&gyszólistára tesz")})
        subjectRow->addWidget(makeButton(c, page, commands_));
    subjectRow->addStretch();
    grid->addLayout(subjectRow, row++, 3);
    auto* language = new QComboBox(page);
    language->setEditable(true);
    language->addItems(kLanguages);
    language->lineEdit()->setMaxLength(40);
    addField("nyelv", "Nyelv:", language);
    addField("mt", "Mt.:", memo());
    addField("utalo", "Utaló:", memo(), 2);
    auto* arrow = makeButton(QStringLiteral("-->"), page, commands_);
    grid->addWidget(arrow, row - 1, 3);

    stampCreated_ = new QLabel(page);
    stampModified_ = new QLabel(page);
    grid->addWidget(new QLabel(QStringLiteral("Katalogizálta:"), page), row, 0);
    grid->addWidget(stampCreated_, row++, 1);
    grid->addWidget(new QLabel(QStringLiteral("Módosította:"), page), row, 0);
    grid->addWidget(stampModified_, row++, 1);

    auto* buttons = new QHBoxLayout;
    for (const QString& c : {QStringLiteral("  Új"), QStringLiteral("&Mentés"), QStringLiteral("Má&sol"),
                             QStringLiteral("&Cutter"), QStringLiteral("&Nyomtat"), QStringLiteral("&Import"),
                             QStringLiteral(" Bezár")})
        buttons->addWidget(makeButton(c, page, commands_));
    copySaved_ = new QLabel(QStringLiteral("Másolat mentve."), page);
    copySaved_->hide();
    buttons->addWidget(copySaved_);
    buttons->addStretch();
    // The exchange-record import comes with its own module.
    for (const QString& c : {QStringLiteral("&Import")})
        commands_.value(c)->setEnabled(false);
    grid->addLayout(buttons, row++, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    auto* inner = new QWidget;
    inner->setLayout(grid);
    descriptionScroll_ = new QScrollArea;
    descriptionScroll_->setWidgetResizable(true);
    descriptionScroll_->setWidget(inner);
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(descriptionScroll_);

    connect(commands_.value("&Keresés"), &QPushButton::clicked, this, &Tkatkv::find);
    connect(searchBox_, &QLineEdit::returnPressed, this, &Tkatkv::find);
    connect(commands_.value("&<<"), &QPushButton::clicked, this, &Tkatkv::previous);
    connect(commands_.value("&>>"), &QPushButton::clicked, this, &Tkatkv::next);
    connect(commands_.value("  Új"), &QPushButton::clicked, this, &Tkatkv::newRecord);
    connect(commands_.value("&Mentés"), &QPushButton::clicked, this, &Tkatkv::saveRecord);
    connect(commands_.value("Má&sol"), &QPushButton::clicked, this, &Tkatkv::copyRecord);
    connect(arrow, &QPushButton::clicked, this, &Tkatkv::appendReference);
    connect(commands_.value("&Cutter"), &QPushButton::clicked, this, &Tkatkv::computeShelfMark);
    connect(commands_.value("&Nyomtat"), &QPushButton::clicked, this, &Tkatkv::printCard);
    connect(commands_.value("Keres"), &QPushButton::clicked, this, &Tkatkv::findPublisher);
    connect(commands_.value("Listára me&nt"), &QPushButton::clicked, this, &Tkatkv::savePublisherToList);
    connect(static_cast<QLineEdit*>(recordFields_.value("kiadas")), &QLineEdit::returnPressed, this, &Tkatkv::findPublisher);
    connect(publishers_->lineEdit(), &QLineEdit::returnPressed, this, &Tkatkv::findPublisher);
    connect(commands_.value("Kiválaszt #"), &QPushButton::clicked, this, [this] { pickSubject(QStringLiteral("#")); });
    connect(commands_.value("Kiválaszt -"), &QPushButton::clicked, this, [this] { pickSubject(QStringLiteral(" - ")); });
    connect(commands_.value("Tár&gyszólistára tesz"), &QPushButton::clicked, this, &Tkatkv::saveSubjectToList);
    recordFields_.value("szerzo")->installEventFilter(this);
    connect(commands_.value(" Bezár"), &QPushButton::clicked, this, &QWidget::close);

    for (auto it = recordFields_.cbegin(); it != recordFields_.cend(); ++it) {
        const QString column = it.key();
        QWidget* w = it.value();
        if (auto* l = qobject_cast<QLineEdit*>(w))
            connect(l, &QLineEdit::textChanged, this, [this, column] { recordEdited(column); });
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            connect(p, &QPlainTextEdit::textChanged, this, [this, column] { recordEdited(column); });
        else if (auto* c = qobject_cast<QComboBox*>(w))
            connect(c, &QComboBox::currentTextChanged, this, [this, column] { recordEdited(column); });
    }
    connect(kind, &QComboBox::currentIndexChanged, this, [this] { recordEdited(QStringLiteral("szemtest")); });
    return page;
}

QWidget* Tkatkv::buildCopiesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* header = new QGridLayout;
    const QList<QPair<QString, QString>> shown = {{"szerzo", "Szerző:"}, {"fc", "Főcím:"},
                                                  {"szakj", "Szakjelzet:"}, {"raktj", "Raktári jelzet:"}};
    int r = 0;
    for (const auto& [column, caption] : shown) {
        auto* l = new QLineEdit(page);
        l->setReadOnly(true);
        auto* label = new QLabel(caption, page);
        label->setBuddy(l);
        copyHeader_.insert(column, l);
        header->addWidget(label, r / 2, (r % 2) * 2);
        header->addWidget(l, r / 2, (r % 2) * 2 + 1);
        ++r;
    }
    copyCount_ = new QLabel(QStringLiteral("0 db"), page);
    header->addWidget(copyCount_, 0, 4);
    layout->addLayout(header);

    auto* form = new QGridLayout;
    int row = 0;
    const auto addField = [&](const QString& column, const QString& caption, QWidget* field, const QString& note = {}) {
        field->setObjectName(column);
        auto* label = new QLabel(caption, page);
        label->setBuddy(field);
        copyFields_.insert(column, field);
        form->addWidget(label, row, 0);
        form->addWidget(field, row, 1);
        if (!note.isEmpty()) form->addWidget(new QLabel(note, page), row, 2);
        ++row;
        return field;
    };
    const auto line = [&](int maxLength) { return lineEdit(page, maxLength); };
    const auto choice = [&](const QStringList& items, bool editable) {
        auto* c = new QComboBox(page);
        c->setEditable(editable);
        c->addItems(items);
        return c;
    };
    addField("lbetu", "Leltári betűjelzés:", line(6));
    auto* number = static_cast<QLineEdit*>(addField("lszam", "Leltári szám:", line(9)));
    number->setValidator(new QIntValidator(0, 999999999, number));
    auto* suffix = static_cast<QLineEdit*>(addField("lszam2", "/", line(3)));
    suffix->setValidator(new QIntValidator(0, 999, suffix));
    addField("vonalkod", "Vonalkód:", line(30))->installEventFilter(this);
    addField("kotszam", "Kötet szám:", line(30), QStringLiteral("(csak többkötetes műveknél!)"));
    addField("lhely", "Lelőhely:", choice({QString()}, false))->installEventFilter(this);
    addField("statusz", "Kölcsönzési státusz:", choice(QStringList{QString()} + kStatuses, false));
    addField("beszhely", "Beszerzési hely:", line(100));
    addField("beszmod", "Beszerzési mód:", choice(QStringList{QString()} + kAcquisitionModes, false));
    addField("gynyt", "GYNYT:", line(30), QStringLiteral("Javasolt formátum: 2000/1, 2000/2, stb."));
    addField("szlaszam", "Számlaszám:", line(40));
    addField("beszdatum", "Besz. dátum (év):", line(10));
    addField("alldatum", "Utolsó áll. ell. dátuma:", line(4))->installEventFilter(this);
    addField("tulaj", "Tulajdonos:", choice({QString()}, false));
    addField("megj", "Megjegyzés:", line(500));
    addField("kat", "Kategória:", choice(kCategories, false));
    addField("filename", "Fájlnév:", line(250));
    copyStampCreated_ = new QLabel(page);
    copyStampModified_ = new QLabel(page);
    form->addWidget(new QLabel(QStringLiteral("Katalogizálta:"), page), row, 0);
    form->addWidget(copyStampCreated_, row++, 1);
    form->addWidget(new QLabel(QStringLiteral("Módosította:"), page), row, 0);
    form->addWidget(copyStampModified_, row++, 1);
    form->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    auto* prior = makeButton(QStringLiteral("<"), page, commands_, QStringLiteral("copy.prior"));
    prior->setToolTip(QStringLiteral("Előző példány"));
    prior->setAccessibleName(QStringLiteral("Előző példány"));
    auto* following = makeButton(QStringLiteral(">"), page, commands_, QStringLiteral("copy.next"));
    following->setToolTip(QStringLiteral("Következő példány"));
    following->setAccessibleName(QStringLiteral("Következő példány"));
    buttons->addWidget(prior);
    buttons->addWidget(following);
    for (const auto& [caption, name] :
         {std::pair{"   Új", "copy.new"}, {"&Mentés", "copy.save"}, {"&Törlés", "copy.delete"},
          {"Következő", "copy.nextNumber"}, {"Másol", "copy.duplicate"}, {"Nemz", "copy.national"},
          {"Bezár", "copy.close"}})
        buttons->addWidget(makeButton(QString::fromUtf8(caption), page, commands_, QString::fromUtf8(name)));
    buttons->addStretch();

    titleGrid_ = new ListGrid(titleIndex_, QStringLiteral("Kereshető címek"), page);
    authorGrid_ = new ListGrid(authorIndex_, QStringLiteral("Kereshető szerzők"), page);
    auto* indexRow = new QHBoxLayout;
    for (const auto& [grid, caption, prefix, addCaption] :
         {std::tuple{titleGrid_, "Kereshető címek", "title", "Új cím"},
          {authorGrid_, "Kereshető szerzők", "author", "Új szerző"}}) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), page);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(gridPanel(grid, QString::fromUtf8(prefix),
                                       {QString::fromUtf8(addCaption), QStringLiteral("Mentés"), QStringLiteral("Törlés")},
                                       false));
        indexRow->addWidget(box);
    }

    accessCode_ = new QLineEdit(page);
    accessCode_->setEchoMode(QLineEdit::Password);
    accessCode_->setObjectName(QStringLiteral("hozzaferes"));
    auto* codeLabel = new QLabel(QStringLiteral("Jelszó:"), page);
    codeLabel->setBuddy(accessCode_);
    auto* ok = makeButton(QStringLiteral("OK"), page, commands_, QStringLiteral("copy.unlock"));
    auto* deleteRecordButton = makeButton(QStringLiteral("Dokumentum törlése"), page, commands_);
    deleteRecordButton->hide();
    deleteRecordButton->setEnabled(false);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(codeLabel);
    codeRow->addWidget(accessCode_);
    codeRow->addWidget(ok);
    codeRow->addWidget(deleteRecordButton);
    codeRow->addStretch();

    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addLayout(indexRow, 1);
    layout->addLayout(codeRow);

    // The page scrolls inside the window, as the description page does.
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    scroll->setFrameShape(QFrame::NoFrame);

    connect(prior, &QPushButton::clicked, this, &Tkatkv::previousCopy);
    connect(following, &QPushButton::clicked, this, &Tkatkv::nextCopy);
    connect(commands_.value("copy.new"), &QPushButton::clicked, this, &Tkatkv::newCopy);
    connect(commands_.value("copy.save"), &QPushButton::clicked, this, &Tkatkv::saveCopy);
    connect(commands_.value("copy.delete"), &QPushButton::clicked, this, &Tkatkv::deleteCopy);
    connect(commands_.value("copy.nextNumber"), &QPushButton::clicked, this, &Tkatkv::nextInventoryNumber);
    connect(commands_.value("copy.duplicate"), &QPushButton::clicked, this, &Tkatkv::duplicateCopy);
    connect(commands_.value("copy.national"), &QPushButton::clicked, this, &Tkatkv::markNational);
    connect(commands_.value("copy.close"), &QPushButton::clicked, this, &QWidget::close);
    connect(ok, &QPushButton::clicked, this, &Tkatkv::unlockRecordDelete);
    connect(accessCode_, &QLineEdit::returnPressed, this, &Tkatkv::unlockRecordDelete);
    connect(deleteRecordButton, &QPushButton::clicked, this, &Tkatkv::deleteRecord);
    connect(static_cast<QComboBox*>(copyFields_.value("lhely")), &QComboBox::activated, this, &Tkatkv::leaveLocation);
    return scroll;
}

QWidget* Tkatkv::buildPlaceholderPage(const QStringList& captions) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    for (const QString& c : captions) layout->addWidget(makeButton(c, page, commands_));
    layout->addStretch();
    return page;
}

QWidget* Tkatkv::gridPanel(ListGrid* grid, const QString& prefix, const QStringList& captions, bool stampType) {
    ListPanelOptions options;
    options.captions = captions;
    if (stampType) {
        options.stampColumn = QStringLiteral("doktipus");
        options.stampValue = type_;
    }
    // Index entries belong to the shown record: none can be added without one.
    if (prefix == QLatin1String("title") || prefix == QLatin1String("author"))
        options.canAdd = [this] { return !record_.value(QStringLiteral("id")).isNull(); };
    auto* panel = new ListPanel(grid, ctx_.dialogs, options);
    commands_.insert(prefix + QStringLiteral(".new"), panel->addButton());
    commands_.insert(prefix + QStringLiteral(".save"), panel->saveButton());
    commands_.insert(prefix + QStringLiteral(".delete"), panel->deleteButton());
    return panel;
}

QWidget* Tkatkv::buildSubjectsPage() {
    auto* page = new QWidget;
    subjectGrid_ = new ListGrid(subjectList_, QStringLiteral("Tárgyszavak"), page);
    publisherGrid_ = new ListGrid(publisherList_, QStringLiteral("Kiadók"), page);
    auto* subjects = new QVBoxLayout;
    subjects->addWidget(gridPanel(subjectGrid_, QStringLiteral("subject"),
                                  {QStringLiteral("Ú&j"), QStringLiteral("&Mentés"), QStringLiteral("&Törlés")}, false));
    subjects->addWidget(makeButton(QStringLiteral("Tárgyszó lista"), page, commands_), 0, Qt::AlignLeft);
    auto* publishers = new QVBoxLayout;
    publishers->addWidget(gridPanel(publisherGrid_, QStringLiteral("publisher"),
                                    {QStringLiteral("Új"), QStringLiteral("Mentés"), QStringLiteral("Törlés")}, true));
    publisherListType_ = new QComboBox(page);
    publisherListType_->addItems({"Könyv", "AV", "Multimédia", "Hangzó", "E-könyv"});
    auto* typeLabel = new QLabel(QStringLiteral("Kiadók listája. Dokumentum típus:"), page);
    typeLabel->setBuddy(publisherListType_);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(publisherListType_);
    typeRow->addWidget(makeButton(QStringLiteral("Lista"), page, commands_, QStringLiteral("publisher.list")));
    typeRow->addStretch();
    publishers->addLayout(typeRow);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(subjects, 1);
    layout->addLayout(publishers, 1);
    connect(commands_.value("Tárgyszó lista"), &QPushButton::clicked, this, &Tkatkv::listSubjects);
    connect(commands_.value("publisher.list"), &QPushButton::clicked, this, &Tkatkv::listPublishersOfType);
    return page;
}

QWidget* Tkatkv::buildStatisticsPage() {
    auto* page = new QWidget;
    genreGrid_ = new ListGrid(genreList_, QStringLiteral("Műfajok"), page);
    authorListGrid_ = new ListGrid(authorList_, QStringLiteral("Szerzők"), page);
    authorListGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* genres = new QVBoxLayout;
    genres->addWidget(new QLabel(QStringLiteral("Műfajok:"), page));
    genres->addWidget(gridPanel(genreGrid_, QStringLiteral("genre"),
                                {QStringLiteral(" Új"), QStringLiteral("Mentés"), QStringLiteral("Törlés")}, true));
    authorInitial_ = new QLineEdit(page);
    authorInitial_->setMaxLength(1);
    authorInitial_->setObjectName(QStringLiteral("kezdobetu"));
    connect(authorInitial_, &QLineEdit::textEdited, authorInitial_, [this](const QString& t) { authorInitial_->setText(t.toUpper()); });
    auto* initialLabel = new QLabel(QStringLiteral("Szerzők: írja be a kezdőbetűt:"), page);
    initialLabel->setBuddy(authorInitial_);
    auto* initialRow = new QHBoxLayout;
    initialRow->addWidget(initialLabel);
    initialRow->addWidget(authorInitial_);
    initialRow->addWidget(makeButton(QStringLiteral("Lista"), page, commands_, QStringLiteral("authors.list")));
    QPushButton* collect = makeButton(QStringLiteral("Kigyűjtés"), page, commands_);
    collect->setEnabled(false);
    initialRow->addWidget(collect);
    initialRow->addStretch();
    auto* authors = new QVBoxLayout;
    authors->addLayout(initialRow);
    authors->addWidget(authorListGrid_);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(genres, 1);
    layout->addLayout(authors, 1);
    connect(commands_.value("authors.list"), &QPushButton::clicked, this, &Tkatkv::listAuthors);
    connect(authorInitial_, &QLineEdit::returnPressed, this, &Tkatkv::listAuthors);
    connect(authorListGrid_, &QTableWidget::cellClicked, this, [this](int row, int) { toggleCorporate(row); });
    genreList_.setSelect(QStringLiteral("select * from mufaj where doktipus=:t order by mufaj collate HU_HU_ICU;"),
                         {{QStringLiteral("t"), type_}});
    genreList_.setDefaults({{QStringLiteral("doktipus"), type_}});
    return page;
}

void Tkatkv::loadAuthorityPage() {
    subjectList_.load();
    subjectGrid_->refresh();
    publisherList_.setSelect(QStringLiteral("select * from kiadok where doktipus=:t order by kiado collate HU_HU_ICU;"),
                             {{QStringLiteral("t"), type_}});
    publisherList_.setDefaults({{QStringLiteral("doktipus"), type_}});
    publisherList_.load();
    publisherGrid_->refresh();
}

void Tkatkv::listSubjects() {
    guarded(ctx_.dialogs, [&] {
        subjectList_.setSelect(QStringLiteral("select * from targyszo;"), {});
        subjectList_.load();
        subjectGrid_->refresh();
    });
}

void Tkatkv::listPublishersOfType() {
    guarded(ctx_.dialogs, [&] {
        publisherList_.setSelect(QStringLiteral("select * from kiadok where doktipus=:t;"),
                                 {{QStringLiteral("t"), publisherListType_->currentText()}});
        publisherList_.load();
        publisherGrid_->refresh();
    });
}

void Tkatkv::listAuthors() {
    guarded(ctx_.dialogs, [&] {
        authorList_.setSelect(QStringLiteral("Select * from szerzok where szerzo like :p;"),
                              {{QStringLiteral("p"), authorInitial_->text() + QLatin1Char('%')}});
        authorList_.load();
        authorListGrid_->refresh();
    });
}

void Tkatkv::toggleCorporate(int row) {
    if (row < 0 || row >= authorList_.rowCount()) return;
    guarded(ctx_.dialogs, [&] {
        const bool corporate = authorList_.value(row, QStringLiteral("testuleti")).toString() == QLatin1String("i");
        authorList_.setValue(row, QStringLiteral("testuleti"), corporate ? QString() : QStringLiteral("i"));
        authorList_.saveRow(row, true);
    });
    authorListGrid_->refresh();
}

void Tkatkv::findPublisher() {
    guarded(ctx_.dialogs, [&] {
        const bool fromPicker = !publishers_->currentText().isEmpty();
        const QString text = fromPicker ? publishers_->currentText() : fieldText(recordFields_.value("kiadas"));
        const QStringList found = AuthorityLists(ctx_.db, type_).findPublishers(text);
        if (found.isEmpty()) return;
        int chosen = 0;
        if (found.size() > 1) chosen = ctx_.dialogs.choose(QStringLiteral("Kiadók"), QStringLiteral("Válasszon:"), found);
        if (chosen < 0) return;
        if (fromPicker)
            publishers_->setEditText(found.at(chosen));
        else
            setFieldText(recordFields_.value("kiadas"), found.at(chosen));
    });
}

void Tkatkv::savePublisherToList() {
    guarded(ctx_.dialogs, [&] {
        const QString name = (publishers_->currentText().isEmpty() ? fieldText(recordFields_.value("kiadas"))
                                                                   : publishers_->currentText()).left(80);
        if (AuthorityLists(ctx_.db, type_).addPublisher(name)) publishers_->addItem(name);
    });
}

void Tkatkv::pickSubject(const QString& separator) {
    auto* subjects = recordFields_.value("tszo");
    setFieldText(subjects, AuthorityLists::appendSubject(fieldText(subjects), subjects_->currentText(), separator));
}

void Tkatkv::saveSubjectToList() {
    guarded(ctx_.dialogs, [&] {
        const QString heading = subjects_->currentText().left(30);
        if (AuthorityLists(ctx_.db, type_).addSubject(heading)) subjects_->addItem(heading);
    });
}

void Tkatkv::loadLists() {
    AuthorityLists lists(ctx_.db, type_);
    publishers_->addItem(QString());
    publishers_->addItems(lists.publisherNames());
    static_cast<QComboBox*>(copyFields_.value("tulaj"))->addItems(ownerCodes(ctx_.db));
    if (const auto settings = LibrarySettings(ctx_.db).load()) {
        libraryCode_ = settings->kvtkod.left(6);
        currency_ = settings->pnem.left(6);
    }
    static_cast<QComboBox*>(copyFields_.value("lhely"))->addItems(locationNames(ctx_.db));
    auto* genres = static_cast<QComboBox*>(recordFields_.value("irmufaj"));
    genres->addItem(QString());
    genres->addItems(lists.genreNames());
    subjects_->addItem(QString());
    subjects_->addItems(lists.subjectHeadings());
}

void Tkatkv::applyVariant() {
    const auto relabel = [this](const char* column, const QString& caption) {
        if (QLabel* l = labels_.value(QLatin1String(column))) l->setText(caption);
    };
    if (type_ == QLatin1String("AV") || type_ == QStringLiteral("Multimédia")) {
        recordFields_.value("kiegadat")->setEnabled(false);
        recordFields_.value("nyomda")->setEnabled(false);
        relabel("isbn", type_ == QLatin1String("AV") ? QStringLiteral("Azonosító szám:") : QStringLiteral("Azonosító jel:"));
        pages_->setTabVisible(Analytic, false);
    } else if (type_ == QLatin1String("Szakdolgozat")) {
        relabel("irmufaj", QStringLiteral("Típus:"));
        auto* genre = static_cast<QComboBox*>(recordFields_.value("irmufaj"));
        genre->clear();
        genre->setEditable(false);
        genre->addItems({QStringLiteral("Szakdolgozat"), QStringLiteral("Disszertáció")});
        relabel("ar", QStringLiteral("Érdemjegy:"));
        recordFields_.value("pnem")->hide();
        relabel("tft", QStringLiteral("Konzulens tanár:"));
    }
}

void Tkatkv::recordEdited(const QString& column) {
    if (loading_ || record_.isEmpty()) return;
    commands_.value("&Mentés")->setEnabled(true);
    if (kAuthorColumns.contains(column)) authorsChanged_ = true;
}

void Tkatkv::clearRecord() {
    loading_ = true;
    record_.clear();
    for (QWidget* w : recordFields_) setFieldText(w, QString());
    idField_->clear();
    stampCreated_->clear();
    stampModified_->clear();
    loading_ = false;
    commands_.value("&Mentés")->setEnabled(false);
}

void Tkatkv::showRecord(const Record& r) {
    loading_ = true;
    record_ = r;
    for (auto it = recordFields_.cbegin(); it != recordFields_.cend(); ++it) {
        const QVariant v = r.value(it.key());
        setFieldText(it.value(), it.key() == QLatin1String("ar") ? decimalText(v) : v.toString());
    }
    auto* kind = findChild<QComboBox*>(QStringLiteral("szemtest"));
    kind->setCurrentIndex(r.value(QStringLiteral("szemtest")).toString() == QLatin1String("t") ? 1 : 0);
    idField_->setText(r.value(QStringLiteral("id")).toString());
    stampCreated_->setText(stamp(r, "kvtaros1", "rdatum"));
    stampModified_->setText(stamp(r, "kvtaros2", "mdatum"));
    loading_ = false;
}

void Tkatkv::showRecords(std::vector<Record> records, int position) {
    found_ = std::move(records);
    position_ = found_.empty() ? -1 : std::clamp(position, 0, int(found_.size()) - 1);
    isNew_ = false;
    recordCount_->setText(QStringLiteral("%1 db").arg(found_.size()));
    if (position_ < 0) {
        clearRecord();
        publishers_->setCurrentIndex(0);
        return;
    }
    showRecord(found_.at(position_));
    if (found_.size() < 2) searchBox_->clear();
    commands_.value("&Mentés")->setEnabled(true);
    commands_.value("copy.save")->setEnabled(true);
    subjects_->setCurrentIndex(0);
    publishers_->setVisible(record_.value(QStringLiteral("kiadas")).toString().isEmpty());
}

bool Tkatkv::readRecord() {
    for (auto it = recordFields_.cbegin(); it != recordFields_.cend(); ++it) {
        const QString text = fieldText(it.value());
        if (it.key() == QLatin1String("ar")) {
            const QString t = text.trimmed();
            if (t.isEmpty()) {
                record_.insert(QStringLiteral("ar"), QVariant());
                continue;
            }
            bool ok = false;
            const double price = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok) {
                ctx_.dialogs.message(QStringLiteral("Hibás ár: %1").arg(t));
                it.value()->setFocus();
                return false;
            }
            record_.insert(QStringLiteral("ar"), price);
            continue;
        }
        record_.insert(it.key(), text);
    }
    auto* kind = findChild<QComboBox*>(QStringLiteral("szemtest"));
    record_.insert(QStringLiteral("szemtest"), kind->currentData());
    return true;
}

void Tkatkv::find() {
    guarded(ctx_.dialogs, [&] {
        copySaved_->hide();
        foundCopies_->clear();
        static const RecordStore::FindMode modes[] = {RecordStore::FindMode::Title, RecordStore::FindMode::Author,
                                                      RecordStore::FindMode::InventoryNumber,
                                                      RecordStore::FindMode::Barcode, RecordStore::FindMode::Id};
        const auto mode = modes[std::max(0, searchMode_->currentIndex())];
        if (mode == RecordStore::FindMode::Id && searchBox_->text().trimmed().isEmpty()) return;
        RecordStore::Found f = records_.find(mode, searchBox_->text());
        if (mode == RecordStore::FindMode::InventoryNumber || mode == RecordStore::FindMode::Barcode) {
            foundCopyList_ = f.copies;
            foundCopyPosition_ = 0;
            if (!f.copies.empty()) foundCopies_->setText(QStringLiteral("Pld: %1 db").arg(f.copies.size()));
        }
        if (f.records.empty() && !f.message.isEmpty()) ctx_.dialogs.message(f.message);
        showRecords(std::move(f.records));
    });
}

void Tkatkv::previous() {
    guarded(ctx_.dialogs, [&] {
        const QString mode = searchMode_->currentText();
        if (mode == QStringLiteral("Leltári szám")) {
            if (foundCopyPosition_ <= 0) return;
            --foundCopyPosition_;
            auto r = records_.load(foundCopyList_.at(foundCopyPosition_).value(QStringLiteral("id")));
            showRecords(r ? std::vector<Record>{*r} : std::vector<Record>{});
            recordCount_->setText(QStringLiteral("%1 db").arg(foundCopyList_.size()));
        } else if (mode == QStringLiteral("Sorszám")) {
            const qint64 id = record_.value(QStringLiteral("id")).toLongLong();
            if (id <= 0) return;
            auto r = records_.load(id - 1, true);
            showRecords(r ? std::vector<Record>{*r} : std::vector<Record>{});
        } else if (position_ > 0) {
            auto list = std::move(found_);
            showRecords(std::move(list), position_ - 1);
        }
    });
}

void Tkatkv::next() {
    guarded(ctx_.dialogs, [&] {
        const QString mode = searchMode_->currentText();
        if (mode == QStringLiteral("Leltári szám")) {
            if (foundCopyPosition_ + 1 >= int(foundCopyList_.size())) return;
            ++foundCopyPosition_;
            auto r = records_.load(foundCopyList_.at(foundCopyPosition_).value(QStringLiteral("id")));
            showRecords(r ? std::vector<Record>{*r} : std::vector<Record>{});
            recordCount_->setText(QStringLiteral("%1 db").arg(foundCopyList_.size()));
        } else if (mode == QStringLiteral("Sorszám")) {
            const qint64 id = record_.value(QStringLiteral("id")).toLongLong() + 1;
            if (id > records_.maxId()) return;
            auto r = records_.load(id, true);
            showRecords(r ? std::vector<Record>{*r} : std::vector<Record>{});
        } else if (position_ >= 0 && position_ + 1 < int(found_.size())) {
            auto list = std::move(found_);
            showRecords(std::move(list), position_ + 1);
        }
    });
}

void Tkatkv::newRecord() {
    guarded(ctx_.dialogs, [&] {
        recordCount_->clear();
        foundCopies_->clear();
        copySaved_->hide();
        searchBox_->clear();
        publishers_->setCurrentIndex(0);
        subjects_->setCurrentIndex(0);
        publishers_->show();
        found_.clear();
        position_ = -1;
        showRecord(records_.newRecord(currency_));
        isNew_ = true;
        authorsChanged_ = false;
        commands_.value("&Mentés")->setEnabled(true);
        recordFields_.value("szakj")->setFocus();
    });
}

void Tkatkv::saveRecord() {
    if (record_.isEmpty()) return;
    guarded(ctx_.dialogs, [&] {
        if (!readRecord()) return;
        if (records_.save(record_, isNew_, authorsChanged_) == RecordStore::SaveResult::MissingTitle) {
            ctx_.dialogs.message(QStringLiteral("Főcím megadása kötelező!"));
            recordFields_.value("fc")->setFocus();
            return;
        }
        showRecord(record_);
        if (position_ >= 0 && position_ < int(found_.size())) found_[position_] = record_;
        commands_.value("&Mentés")->setEnabled(false);
        isNew_ = false;
        authorsChanged_ = false;
        copySaved_->hide();
        scrollToTop();
    });
}

void Tkatkv::copyRecord() {
    if (record_.isEmpty()) return;
    guarded(ctx_.dialogs, [&] {
        bool treatAsNew = false;
        const Record copy = records_.copyRecord(record_, &treatAsNew);
        found_ = {copy};
        position_ = 0;
        showRecord(copy);
        isNew_ = treatAsNew;
        authorsChanged_ = false;
        commands_.value("&Mentés")->setEnabled(true);
        copySaved_->show();
    });
}

void Tkatkv::appendReference() {
    auto* references = static_cast<QPlainTextEdit*>(recordFields_.value("utalo"));
    references->setPlainText(references->toPlainText() + QStringLiteral("-->") + fieldText(recordFields_.value("szerzo")));
    references->moveCursor(QTextCursor::End);
}

void Tkatkv::computeShelfMark() {
    if (record_.isEmpty()) return;
    guarded(ctx_.dialogs, [&] {
        const QString title = fieldText(recordFields_.value("fc"));
        if (const auto mark = cutterMark(ctx_.db, fieldText(recordFields_.value("szerzo")), title))
            setFieldText(recordFields_.value("raktj"), *mark);
        if (title.isEmpty()) recordFields_.value("fc")->setFocus();
    });
}

void Tkatkv::printCard() {
    if (record_.isEmpty() || !readRecord()) return;
    auto* card = new Tkatced(ctx_);
    card->appendLines(bookCard(record_));
    ctx_.shell.openWindow(QStringLiteral("katced"), card);
}

void Tkatkv::scrollToTop() { descriptionScroll_->verticalScrollBar()->setValue(0); }

void Tkatkv::pageChanged(int index) {
    scrollToTop();
    if (index == SubjectsPublishers) guarded(ctx_.dialogs, [&] { loadAuthorityPage(); });
    if (index == Statistics) guarded(ctx_.dialogs, [&] {
            genreList_.load();
            genreGrid_->refresh();
        });
    if (index == Copies) {
        if (record_.value(QStringLiteral("id")).isNull() || isNew_) return;
        guarded(ctx_.dialogs, [&] { loadCopies(); });
    } else {
        copyList_.clear();
        if (index == Description) {
            searchBox_->clear();
            copySaved_->hide();
            searchBox_->setFocus();
        }
    }
}

void Tkatkv::loadCopies() {
    const QVariant id = record_.value(QStringLiteral("id"));
    for (const char* c : {"szerzo", "fc", "szakj", "raktj"})
        copyHeader_.value(QLatin1String(c))->setText(record_.value(QLatin1String(c)).toString());
    const db::Params p = {{QStringLiteral("id"), id}};
    const QVariantMap defaults = {{QStringLiteral("id"), id}, {QStringLiteral("doktipus"), type_}};
    titleIndex_.setSelect(QStringLiteral("select * from kcim where id=:id order by sorszam;"), p);
    titleIndex_.setDefaults(defaults);
    authorIndex_.setSelect(QStringLiteral("select * from kszerzo where id=:id order by sorszam;"), p);
    authorIndex_.setDefaults(defaults);
    titleIndex_.load();
    authorIndex_.load();
    titleGrid_->refresh();
    authorGrid_->refresh();
    copyList_ = copies_.copiesOf(id);
    copyCount_->setText(QStringLiteral("%1 db").arg(copyList_.size()));
    commands_.value("copy.save")->setEnabled(true);
    if (copyList_.empty()) {
        copyPosition_ = -1;
        const auto* owners = static_cast<QComboBox*>(copyFields_.value("tulaj"));
        copy_ = copies_.newCopy(id, owners->count() > 1 ? owners->itemText(1) : QString());
        newCopy_ = true;
        showCopy();
        copyFields_.value("vonalkod")->setFocus();
    } else {
        copyPosition_ = 0;
        copy_ = copyList_.front();
        newCopy_ = false;
        showCopy();
    }
}

void Tkatkv::showCopy() {
    loading_ = true;
    for (auto it = copyFields_.cbegin(); it != copyFields_.cend(); ++it)
        setFieldText(it.value(), copy_.value(it.key()).toString());
    copyStampCreated_->setText(stamp(copy_, "kvtaros1", "rdatum"));
    copyStampModified_->setText(stamp(copy_, "kvtaros2", "mdatum"));
    loading_ = false;
    commands_.value("copy.prior")->setEnabled(copyPosition_ > 0);
    commands_.value("copy.next")->setEnabled(copyPosition_ >= 0 && copyPosition_ + 1 < int(copyList_.size()));
}

void Tkatkv::readCopy() {
    for (auto it = copyFields_.cbegin(); it != copyFields_.cend(); ++it) {
        const QString text = fieldText(it.value()).trimmed().isEmpty() ? QString() : fieldText(it.value());
        if (it.key() == QLatin1String("lszam") || it.key() == QLatin1String("lszam2"))
            copy_.insert(it.key(), text.isEmpty() ? QVariant() : QVariant(text.toLongLong()));
        else
            copy_.insert(it.key(), text);
    }
}

void Tkatkv::newCopy() {
    if (record_.value(QStringLiteral("id")).isNull()) return;
    const auto* owners = static_cast<QComboBox*>(copyFields_.value("tulaj"));
    copy_ = copies_.newCopy(record_.value(QStringLiteral("id")), owners->count() > 1 ? owners->itemText(1) : QString());
    copyPosition_ = -1;
    newCopy_ = true;
    showCopy();
    commands_.value("&Mentés")->setEnabled(true);
    commands_.value("copy.save")->setEnabled(true);
    copyFields_.value("vonalkod")->setFocus();
}

void Tkatkv::saveCopy() {
    if (copy_.isEmpty()) return;
    guarded(ctx_.dialogs, [&] {
        readCopy();
        const auto result = copies_.save(copy_, newCopy_, record_.value(QStringLiteral("ar")), libraryCode_, ctx_.dialogs);
        if (result == CopyStore::SaveResult::NeedsPrice) {
            commands_.value("copy.save")->setEnabled(false);
            return;
        }
        if (result != CopyStore::SaveResult::Saved) return;
        const QVariant key = copy_.value(QStringLiteral("sorszam"));
        newCopy_ = false;
        copyList_ = copies_.copiesOf(record_.value(QStringLiteral("id")));
        copyPosition_ = 0;
        for (int i = 0; i < int(copyList_.size()); ++i)
            if (copyList_[i].value(QStringLiteral("sorszam")) == key) copyPosition_ = i;
        copy_ = copyList_.at(copyPosition_);
        showCopy();
        copyCount_->setText(QStringLiteral("%1 db").arg(copyList_.size()));
        commands_.value("copy.save")->setEnabled(false);
    });
}

void Tkatkv::deleteCopy() {
    if (newCopy_ || copy_.value(QStringLiteral("sorszam")).isNull()) return;
    guarded(ctx_.dialogs, [&] {
        if (!copies_.remove(copy_, ctx_.dialogs)) return;
        loadCopies();
    });
}

void Tkatkv::nextInventoryNumber() {
    guarded(ctx_.dialogs, [&] {
        const qint64 n = copies_.nextInventoryNumber(fieldText(copyFields_.value("lbetu")), libraryCode_);
        setFieldText(copyFields_.value("lszam"), QString::number(n));
    });
}

void Tkatkv::duplicateCopy() {
    if (copy_.isEmpty() || record_.value(QStringLiteral("id")).isNull()) return;
    guarded(ctx_.dialogs, [&] {
        readCopy();
        const Record d = copies_.duplicate(copy_);
        copyList_ = copies_.copiesOf(record_.value(QStringLiteral("id")));
        copyPosition_ = int(copyList_.size()) - 1;
        for (int i = 0; i < int(copyList_.size()); ++i)
            if (copyList_[i].value(QStringLiteral("sorszam")) == d.value(QStringLiteral("sorszam"))) copyPosition_ = i;
        copy_ = copyList_.at(copyPosition_);
        newCopy_ = false;
        showCopy();
        copyCount_->setText(QStringLiteral("%1 db").arg(copyList_.size()));
        commands_.value("copy.save")->setEnabled(true);
        copyFields_.value("vonalkod")->setFocus();
    });
}

void Tkatkv::markNational() {
    if (copy_.isEmpty()) return;
    setFieldText(copyFields_.value("lbetu"), QStringLiteral("Nemz."));
    setFieldText(copyFields_.value("kat"), QStringLiteral("Nemzetiségi"));
}

void Tkatkv::previousCopy() {
    if (copyPosition_ <= 0) return;
    copy_ = copyList_.at(--copyPosition_);
    newCopy_ = false;
    showCopy();
    commands_.value("copy.save")->setEnabled(true);
}

void Tkatkv::nextCopy() {
    if (copyPosition_ < 0 || copyPosition_ + 1 >= int(copyList_.size())) return;
    copy_ = copyList_.at(++copyPosition_);
    newCopy_ = false;
    showCopy();
    commands_.value("copy.save")->setEnabled(true);
}

void Tkatkv::unlockRecordDelete() {
    if (accessCode_->text() != kAccessCode) return;
    accessCode_->clear();
    QPushButton* b = commands_.value("Dokumentum törlése");
    b->show();
    b->setEnabled(true);
}

void Tkatkv::deleteRecord() {
    QPushButton* b = commands_.value("Dokumentum törlése");
    const QVariant id = record_.value(QStringLiteral("id"));
    if (!id.isNull() && ctx_.dialogs.confirmDelete()) {
        guarded(ctx_.dialogs, [&] {
            records_.deleteRecord(id);
            copyList_.clear();
            copy_.clear();
            found_.clear();
            position_ = -1;
            clearRecord();
            recordCount_->setText(QStringLiteral("0 db"));
            copyCount_->setText(QStringLiteral("0 db"));
            titleIndex_.setSelect(QStringLiteral("select * from kcim where id=:id;"), {{QStringLiteral("id"), -1}});
            authorIndex_.setSelect(QStringLiteral("select * from kszerzo where id=:id;"), {{QStringLiteral("id"), -1}});
            titleIndex_.load();
            authorIndex_.load();
            titleGrid_->refresh();
            authorGrid_->refresh();
            showCopy();
        });
    }
    b->hide();
    b->setEnabled(false);
}

void Tkatkv::leaveLocation() {
    const QString location = fieldText(copyFields_.value("lhely"));
    setFieldText(copyFields_.value("kat"), CopyStore::categoryForLocation(location, fieldText(copyFields_.value("kat"))));
}

void Tkatkv::leaveBarcode() {
    const QString barcode = fieldText(copyFields_.value("vonalkod")).trimmed();
    if (barcode.isEmpty()) return;
    guarded(ctx_.dialogs, [&] {
        if (const auto other = copies_.barcodeUsedElsewhere(barcode, newCopy_ ? QVariant() : copy_.value(QStringLiteral("sorszam"))))
            ctx_.dialogs.message(QStringLiteral("Ilyen vonalkód már van! Leltári szám: ") + *other);
    });
}

bool Tkatkv::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == copyFields_.value("vonalkod")) leaveBarcode();
            if (watched == copyFields_.value("lhely")) leaveLocation();
            // Leaving the publisher pick-list copies its text into "Kiadás:".
            if (watched == publishers_->lineEdit() && !publishers_->currentText().isEmpty())
                setFieldText(recordFields_.value("kiadas"), publishers_->currentText());
            // Leaving the author with no shelf mark yet computes one.
            if (watched == recordFields_.value("szerzo") && fieldText(recordFields_.value("raktj")).isEmpty() &&
                !fieldText(recordFields_.value("szerzo")).isEmpty())
                computeShelfMark();
        }
    }
    if (event->type() == QEvent::MouseButtonPress && watched == copyFields_.value("alldatum"))
        setFieldText(copyFields_.value("alldatum"), QString());
    return ModuleWindow::eventFilter(watched, event);
}

} // namespace kodrix
