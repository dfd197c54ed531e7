#pragma once

#include "app_context.h"
#include "copy_store.h"
#include "list_editor.h"
#include "module_window.h"
#include "record_store.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace kodrix {

class ListGrid;

// The caption and tag the cataloguing window takes for a document type.
struct CatalogueVariant {
    int tag;
    QString caption;
};
CatalogueVariant catalogueVariant(const QString& documentType);

// The cataloguing window of all modern document types but audio: records, copies and their
// index entries. It serves the document type that was current when it was opened.
class Tkatkv : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tkatkv(AppContext& context, QWidget* parent = nullptr);
    ~Tkatkv() override;

    enum Page { Description, Copies, SubjectsPublishers, Analytic, ExportImport, Statistics };

    const QString& documentType() const { return type_; }
    QWidget* recordField(const QString& column) const { return recordFields_.value(column); }
    QWidget* copyField(const QString& column) const { return copyFields_.value(column); }
    QLabel* fieldLabel(const QString& column) const { return labels_.value(column); }
    QTabWidget* pages() const { return pages_; }
    QLineEdit* searchBox() const { return searchBox_; }
    QComboBox* searchMode() const { return searchMode_; }
    QPushButton* command(const QString& name) const { return commands_.value(name); }
    QLabel* recordCount() const { return recordCount_; }
    QLabel* copyCount() const { return copyCount_; }
    QLabel* copySavedNote() const { return copySaved_; }
    ListGrid* titleIndexGrid() const { return titleGrid_; }
    ListGrid* authorIndexGrid() const { return authorGrid_; }
    ListGrid* subjectGrid() const { return subjectGrid_; }
    ListGrid* publisherGrid() const { return publisherGrid_; }
    ListGrid* genreGrid() const { return genreGrid_; }
    ListGrid* authorListGrid() const { return authorListGrid_; }
    QComboBox* publisherPicker() const { return publishers_; }
    QComboBox* subjectPicker() const { return subjects_; }
    QLineEdit* authorInitial() const { return authorInitial_; }
    QComboBox* publisherListType() const { return publisherListType_; }
    const Record& shownRecord() const { return record_; }
    const Record& shownCopy() const { return copy_; }
    bool isNewRecord() const { return isNew_; }
    bool isNewCopy() const { return newCopy_; }
    bool authorsChanged() const { return authorsChanged_; }

public Q_SLOTS:
    void find();
    void previous();
    void next();
    void newRecord();
    void saveRecord();
    void copyRecord();
    void appendReference();
    void computeShelfMark();
    void printCard();
    void newCopy();
    void saveCopy();
    void deleteCopy();
    void nextInventoryNumber();
    void duplicateCopy();
    void markNational();
    void previousCopy();
    void nextCopy();
    void unlockRecordDelete();
    void deleteRecord();
    void leaveLocation();
    void leaveBarcode();
    void findPublisher();
    void savePublisherToList();
    void pickSubject(const QString& separator);
    void saveSubjectToList();
    void listPublishersOfType();
    void listSubjects();
    void listAuthors();
    void toggleCorporate(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDescriptionPage();
    QWidget* buildCopiesPage();
    QWidget* buildPlaceholderPage(const QStringList& commands);
    QWidget* buildSubjectsPage();
    QWidget* buildStatisticsPage();
    QWidget* gridPanel(ListGrid* grid, const QString& prefix, const QStringList& captions, bool stampType);
    void loadAuthorityPage();
    void loadLists();
    void applyVariant();
    void showRecords(std::vector<Record> records, int position = 0);
    void showRecord(const Record& record);
    void clearRecord();
    bool readRecord();
    void pageChanged(int index);
    void loadCopies();
    void showCopy();
    void readCopy();
    void recordEdited(const QString& column);
    void scrollToTop();

    AppContext& ctx_;
    QString type_;
    QString libraryCode_;
    QString currency_;
    RecordStore records_;
    CopyStore copies_;
    db::ListEditor titleIndex_;
    db::ListEditor authorIndex_;
    db::ListEditor subjectList_;
    db::ListEditor publisherList_;
    db::ListEditor genreList_;
    db::ListEditor authorList_;

    QTabWidget* pages_;
    QScrollArea* descriptionScroll_ = nullptr;
    QHash<QString, QWidget*> recordFields_;
    QHash<QString, QWidget*> copyFields_;
    QHash<QString, QLabel*> labels_;
    QHash<QString, QPushButton*> commands_;
    QLineEdit* idField_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QComboBox* searchMode_ = nullptr;
    QComboBox* publishers_ = nullptr;
    QComboBox* subjects_ = nullptr;
    QLabel* recordCount_ = nullptr;
    QLabel* foundCopies_ = nullptr;
    QLabel* copySaved_ = nullptr;
    QLabel* copyCount_ = nullptr;
    QLabel* stampCreated_ = nullptr;
    QLabel* stampModified_ = nullptr;
    QLabel* copyStampCreated_ = nullptr;
    QLabel* copyStampModified_ = nullptr;
    QHash<QString, QLineEdit*> copyHeader_;
    QLineEdit* accessCode_ = nullptr;
    ListGrid* titleGrid_ = nullptr;
    ListGrid* authorGrid_ = nullptr;
    ListGrid* subjectGrid_ = nullptr;
    ListGrid* publisherGrid_ = nullptr;
    ListGrid* genreGrid_ = nullptr;
    ListGrid* authorListGrid_ = nullptr;
    QLineEdit* authorInitial_ = nullptr;
    QComboBox* publisherListType_ = nullptr;

    std::vector<Record> found_;
    int position_ = -1;
    std::vector<Record> foundCopyList_;
    int foundCopyPosition_ = -1;
    Record record_;
    bool isNew_ = false;
    bool authorsChanged_ = false;
    std::vector<Record> copyList_;
    int copyPosition_ = -1;
    Record copy_;
    bool newCopy_ = false;
    bool loading_ = false;
};

} // namespace kodrix
