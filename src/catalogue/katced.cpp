#include "katced.h"

#include "dialogs.h"
#include "rtf.h"
#include "text_file.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSlider>
#include <QSpinBox>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

namespace kodrix {

namespace {
const QString kFilter = QStringLiteral("Rich Text File (*.rtf);;Text File (*.txt)");
constexpr int kCardWidth = 40;
} // namespace

Tkatced::Tkatced(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), editor_(new QTextEdit(this)), size_(new QSpinBox(this)),
      indent_(new QSlider(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("Tkatced"));
    editor_->setAcceptRichText(true);
    editor_->setAccessibleName(QStringLiteral("Cédula szövege"));
    QFont font = editor_->font();
    font.setPointSize(10);
    editor_->document()->setDefaultFont(font);

    const auto action = [this](const QString& text, const QKeySequence& key, auto slot) {
        auto* a = new QAction(text, this);
        if (!key.isEmpty()) a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        actions_.append(a);
        return a;
    };
    auto* menus = new QMenuBar(this);
    menus->setNativeMenuBar(false);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(action(QStringLiteral("&Új dokumentum"), QKeySequence(QStringLiteral("Ctrl+N")), [this] { newDocument(); }));
    file->addAction(action(QStringLiteral("&Megnyitás..."), QKeySequence(QStringLiteral("Ctrl+O")), [this] { openDocument(); }));
    file->addAction(action(QStringLiteral("&Mentés"), QKeySequence(QStringLiteral("Ctrl+S")), [this] { save(); }));
    file->addAction(action(QStringLiteral("Mentés másként..."), {}, [this] { saveAs(); }));
    file->addAction(action(QStringLiteral("Nyomtató beállítás"), {}, [this] { printerSetup(); }));
    file->addAction(action(QStringLiteral("&Nyomtatás"), QKeySequence(QStringLiteral("Ctrl+P")), [this] { print(); }));
    file->addAction(action(QStringLiteral("Kilépés"), {}, [this] { close(); }));
    QMenu* edit = menus->addMenu(QStringLiteral("&Szerkesztés"));
    edit->addAction(action(QStringLiteral("Kivágás"), QKeySequence(QStringLiteral("Ctrl+X")), [this] { editor_->cut(); }));
    edit->addAction(action(QStringLiteral("Másolás"), QKeySequence(QStringLiteral("Ctrl+C")), [this] { editor_->copy(); }));
    edit->addAction(action(QStringLiteral("Beillesztés"), QKeySequence(QStringLiteral("Ctrl+V")), [this] { editor_->paste(); }));
    edit->addAction(action(QStringLiteral("Karakterek száma"), {}, [this] { countCharacters(); }));
    edit->addAction(action(QStringLiteral("Betűtípus..."), {}, [this] { chooseFont(); }));

    auto* tools = new QToolBar(this);
    indent_->setRange(0, 20);
    indent_->setToolTip(QStringLiteral("Bal margó: behúzás"));
    indent_->setAccessibleName(QStringLiteral("Bal margó: behúzás"));
    tools->addWidget(indent_);
    const auto tool = [&](const QString& hint, auto slot, bool checkable = false) {
        QAction* a = tools->addAction(hint, this, slot);
        a->setToolTip(hint);
        a->setCheckable(checkable);
        actions_.append(a);
        return a;
    };
    tool(QStringLiteral("Új fájl"), [this] { newDocument(); });
    tool(QStringLiteral("Megnyitás"), [this] { openDocument(); });
    tool(QStringLiteral("Mentés"), [this] { save(); });
    tool(QStringLiteral("Nyomtatás"), [this] { print(); });
    tool(QStringLiteral("Kivágás"), [this] { editor_->cut(); });
    tool(QStringLiteral("Másolás"), [this] { editor_->copy(); });
    tool(QStringLiteral("Beillesztés"), [this] { editor_->paste(); });
    tool(QStringLiteral("Visszavonás"), [this] { editor_->undo(); });
    size_->setRange(4, 72);
    size_->setValue(10);
    size_->setToolTip(QStringLiteral("Betűméret növelése, csökkentése"));
    auto* sizeLabel = new QLabel(QStringLiteral("Betűméret"), this);
    sizeLabel->setBuddy(size_);
    tools->addWidget(sizeLabel);
    tools->addWidget(size_);
    tool(QStringLiteral("Félkövér"), [this](bool on) { setCharFormat([on](QTextCharFormat& f) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); }); }, true);
    tool(QStringLiteral("Dőlt"), [this](bool on) { setCharFormat([on](QTextCharFormat& f) { f.setFontItalic(on); }); }, true);
    tool(QStringLiteral("Aláhúzás"), [this](bool on) { setCharFormat([on](QTextCharFormat& f) { f.setFontUnderline(on); }); }, true);
    tool(QStringLiteral("Balra igazít"), [this] { editor_->setAlignment(Qt::AlignLeft); });
    tool(QStringLiteral("Középre"), [this] { editor_->setAlignment(Qt::AlignHCenter); });
    tool(QStringLiteral("Jobbra igazít"), [this] { editor_->setAlignment(Qt::AlignRight); });
    tool(QStringLiteral("Bekezdés"), [this] {
        QTextCursor c = editor_->textCursor();
        if (QTextList* list = c.currentList())
            list->remove(c.block());
        else
            c.createList(QTextListFormat::ListDisc);
    });
    tool(QStringLiteral("Katalógus cédula méret"), [this] { cutToCardWidth(); });

    connect(size_, &QSpinBox::valueChanged, this, [this](int pt) {
        setCharFormat([pt](QTextCharFormat& f) { f.setFontPointSize(pt); });
    });
    connect(indent_, &QSlider::valueChanged, this, [this](int position) {
        QTextBlockFormat f = editor_->textCursor().blockFormat();
        f.setTextIndent(10 * position);
        editor_->textCursor().setBlockFormat(f);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menus);
    layout->addWidget(tools);
    layout->addWidget(editor_);
    setFocusProxy(editor_);
    setFileName(QString());
    resize(620, 480);
}

QAction* Tkatced::command(const QString& text) const {
    for (QAction* a : actions_)
        if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;
    return nullptr;
}

bool Tkatced::isModified() const { return editor_->document()->isModified(); }

void Tkatced::setFileName(const QString& path) {
    file_ = path;
    setWindowTitle(kCaption + QStringLiteral(" - ") + (path.isEmpty() ? QStringLiteral("[Untitled]") : path));
}

void Tkatced::appendLines(const QStringList& lines) {
    for (const QString& line : lines) editor_->append(line);
    editor_->moveCursor(QTextCursor::Start);
    editor_->document()->setModified(false);
}

void Tkatced::setCharFormat(const std::function<void(QTextCharFormat&)>& change) {
    QTextCharFormat f;
    change(f);
    QTextCursor c = editor_->textCursor();
    if (c.hasSelection())
        c.mergeCharFormat(f);
    else
        editor_->mergeCurrentCharFormat(f);
}

bool Tkatced::confirmReplace() {
    if (!isModified()) return true;
    const QString name = file_.isEmpty() ? QStringLiteral("[Untitled]") : file_;
    switch (ctx_.dialogs.ask(QStringLiteral("A %1 fájl tartalma megváltozott.\n\nKívánja menteni a változásokat?\n"
                                            "(helyi lemezre, szövegfájlként!)")
                                 .arg(name),
                             true)) {
    case Dialogs::Answer::Yes: return save();
    case Dialogs::Answer::No: return true;
    case Dialogs::Answer::Cancel: return false;
    }
    return false;
}

void Tkatced::newDocument() {
    if (!confirmReplace()) return;
    editor_->clear();
    setFileName(QString());
    editor_->document()->setModified(false);
}

void Tkatced::openDocument() {
    if (!confirmReplace()) return;
    const QString path = ctx_.dialogs.openFileName(QStringLiteral("Megnyitás"), ctx_.workDir, kFilter);
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ctx_.dialogs.error(QStringLiteral("A fájl nem nyitható meg: %1\n%2").arg(path, file.errorString()));
        return;
    }
    const QByteArray data = file.readAll();
    if (!readRtf(data, *editor_->document())) {
        // Plain text: UTF-8 when it is valid, else Windows-1250.
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8.decode(data);
        if (utf8.hasError()) text = fromWin1250(data);
        editor_->setPlainText(text);
    }
    setFileName(path);
    editor_->document()->setModified(false);
}

bool Tkatced::writeTo(const QString& path) {
    QString error;
    const bool ok = path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)
                        ? writeWin1250Text(path, editor_->toPlainText(), LineEnd::CrLf, &error)
                        : [&] {
                              QFile f(path);
                              if (!f.open(QIODevice::WriteOnly)) {
                                  error = f.errorString();
                                  return false;
                              }
                              return f.write(writeRtf(*editor_->document())) >= 0 && f.flush();
                          }();
    if (!ok) {
        ctx_.dialogs.error(QStringLiteral("A fájl nem írható: %1\n%2").arg(path, error));
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

bool Tkatced::save() {
    if (!isModified()) return true;
    if (file_.isEmpty()) return saveAs();
    return writeTo(file_);
}

bool Tkatced::saveAs() {
    const QString path = ctx_.dialogs.saveFileName(QStringLiteral("Mentés másként"),
                                                   file_.isEmpty() ? ctx_.workDir : file_, kFilter);
    if (path.isEmpty()) return false;
    if (!writeTo(path)) return false;
    setFileName(path);
    return true;
}

void Tkatced::print() {
    QPrinter printer;
    printer.setDocName(file_.isEmpty() ? kCaption : QFileInfo(file_).fileName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    editor_->document()->print(&printer);
}

void Tkatced::printerSetup() {
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

void Tkatced::countCharacters() {
    ctx_.dialogs.message(QStringLiteral("A szöveg %1 karaktert tartalmaz.").arg(editor_->toPlainText().size()));
}

void Tkatced::cutToCardWidth() {
    QStringList lines = editor_->toPlainText().split(QLatin1Char('\n'));
    for (QString& line : lines) line = line.left(kCardWidth);
    editor_->setPlainText(lines.join(QLatin1Char('\n')));
}

void Tkatced::chooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, editor_->currentFont(), this);
    if (ok) setCharFormat([&font](QTextCharFormat& f) { f.setFont(font); });
}

} // namespace kodrix
