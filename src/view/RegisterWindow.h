#pragma once

#include "archive/EntryRef.h"
#include "core/DefectLocation.h"

#include <QList>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeView;
class QTreeWidget;

namespace quillon
{

class RegisterFilter;
class RegisterModel;

// frmregister, "Defect register": the located defects, most severe first, narrowed by division,
// section, class, worsened only and previous class differs only, sorted by any column. Choosing
// a location lists its tests, oldest first; a test can be shown, two compared, and the register
// exported. "This PC" reads the PC's own archive, "Team" the team archive. The window only shows
// and asks: what is done is its owner's business.
class RegisterWindow : public QWidget
{
    Q_OBJECT
public:
    RegisterWindow(RegisterModel* model, QWidget* parent = nullptr);

    // The model was given a new register: the filters' choices are offered anew (a choice made
    // stays) and the chosen location stays chosen while it is listed.
    void registerChanged();
    // The tests of the chosen location, each with its gate 1 peak where known.
    void showTests(const DefectLocation& location, const std::vector<std::optional<int>>& peaks);
    QString chosenLocation() const;
    // The selected tests' entries, oldest test first.
    QList<EntryRef> selectedTests() const;
    // A line under the lists (what was done, or why nothing could be).
    void showNote(const QString& text);
    RegisterFilter* filter() const { return m_filter; }

    QRadioButton* radlocal = nullptr;
    QRadioButton* radteam = nullptr;
    QComboBox* cbodivision = nullptr;
    QComboBox* cbosection = nullptr;
    QComboBox* cboclass = nullptr;
    QCheckBox* chkworsened = nullptr;
    QCheckBox* chkmismatch = nullptr;
    QTreeView* lstlocations = nullptr;
    QTreeWidget* lsttests = nullptr;
    QPushButton* cmdshow = nullptr;
    QPushButton* cmdcompare = nullptr;
    QPushButton* cmdexport = nullptr;
    QLabel* lblnote = nullptr;

signals:
    void locationChosen(const QString& key);
    void testChosen(const quillon::EntryRef& test);
    void compareRequested(const quillon::EntryRef& older, const quillon::EntryRef& newer);
    // "This PC" (false) or "Team" (true) was chosen.
    void teamChosen(bool team);
    void exportRequested();

private:
    // The value chosen in a filter's box; none for "Every ...".
    static std::optional<QString> choiceOf(const QComboBox* box);
    void offerChoices(QComboBox* box, const QStringList& values);
    void locationSelectionChanged();
    void testSelectionChanged();

    RegisterModel* m_model;
    RegisterFilter* m_filter;
    QString m_shownKey; // the location whose tests are listed
};

} // namespace quillon
