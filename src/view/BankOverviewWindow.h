#pragma once

#include "view/FrozenColumnsView.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace quillon
{

class BankOverviewProxy;
class BankTableModel;

// "Bank overview": the bank as one table to sort, filter and open from; the thumbnail and memory
// columns stay in view when it is scrolled right. The rows it shows can be exported with "Export
// table", and the window says where they went.
class BankOverviewWindow : public QWidget
{
    Q_OBJECT
public:
    BankOverviewWindow(BankTableModel& model, QWidget* parent = nullptr);

    BankOverviewProxy& proxy() const { return *m_proxy; }
    // Bank rows of the rows shown, in the order shown.
    QList<int> shownRows() const;
    // The headings and a bank row's texts as the table shows them, the thumbnail left out.
    QStringList shownHeader() const;
    QStringList rowTexts(int bankRow) const;
    // Says in the window, for a while, that the rows went into `path`.
    void showExported(const QString& path, int rows);

    QLineEdit* txtfilter = nullptr;
    QCheckBox* chkall = nullptr;
    FrozenColumnsView* grdbank = nullptr;
    QPushButton* cmdexport = nullptr;
    QLabel* lblcount = nullptr;
    QLabel* lblexported = nullptr;

signals:
    // Double-click or Enter on a row.
    void rowActivated();
    void exportRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showCount();
    // Every text column as wide as its widest text and its heading.
    void fitColumns();

    BankTableModel& m_model;
    BankOverviewProxy* m_proxy = nullptr;
    QTimer* m_exportedShown = nullptr;
};

} // namespace quillon
