#pragma once

#include "app_context.h"
#include "catalogue_search.h"
#include "module_window.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kodrix {

class ResultModel;

// The catalogue search window, open to readers without a login.
class Tkereskv : public ModuleWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral(
        "Keresés: könyv, AV (video), multimédia, hangzó (zene, hangoskönyv), szakdolgozat, e-könyv, analitikus kiadvány");

    explicit Tkereskv(AppContext& context, QWidget* parent = nullptr);
    ~Tkereskv() override;

    QComboBox* modeList() const { return modes_; }
    QLineEdit* searchText() const { return text_; }
    QLineEdit* secondTerm() const { return second_; }
    QComboBox* locationList() const { return locations_; }
    QComboBox* typeList() const { return types_; }
    QButtonGroup* matchChoice() const { return match_; }
    QLabel* hitCount() const { return hits_; }
    QTableView* grid() const { return grid_; }
    QPushButton* button(const QString& caption) const;
    qint64 selectionNumber() const { return selection_; }
    int rowCount() const;
    QString cell(int row, int column) const;
    QString header(int column) const;
    bool columnHidden(int column) const;

public Q_SLOTS:
    void search();
    void showNewest();

private:
    void modeChanged();
    void rowClicked(const QModelIndex& index);
    void showResult(CatalogueSearch::Result result, const QStringList& captions, const QList<int>& hidden);

    AppContext& ctx_;
    CatalogueSearch search_;
    QString libraryCode_;
    qint64 selection_ = 0;
    QComboBox* modes_;
    QLineEdit* text_;
    QLineEdit* second_;
    QButtonGroup* match_;
    QComboBox* locations_;
    QComboBox* types_;
    QLabel* hits_;
    QTableView* grid_;
    ResultModel* model_;
    QList<QPushButton*> buttons_;
};

} // namespace kodrix
