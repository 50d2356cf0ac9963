#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace quillon
{

class BankOverviewProxy;
class BankTableModel;

// "Bank overview": the bank as one table to sort, filter and open from. The rows it shows can be
// exported with "Export table".
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

    QLineEdit* txtfilter = nullptr;
    QCheckBox* chkall = nullptr;
    QTableView* grdbank = nullptr;
    QPushButton* cmdexport = nullptr;
    QLabel* lblcount = nullptr;

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
};

} // namespace quillon
