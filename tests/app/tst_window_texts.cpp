// Every text of the secondary windows fits its control: each label, push, radio and check button,
// combo box entry and frame caption is measured with the font the control really uses and
// compared with the room the style gives its text. CTest runs this program at device pixel
// ratios 1, 1.5 and 2, once with the Liberation faces hidden, so that DejaVu stands in, and in
// each language the window is translated into (QUILLON_TEST_LANGUAGE names it).
// With QUILLON_WINDOW_SHOTS naming a folder, each window is also saved there as a PNG.

#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/ManualWindow.h"
#include "app/PortSelectionWindow.h"
#include "core/FontFallback.h"
#include "core/Module1.h"
#include "files/OpenWindow.h"
#include "files/SaveWindow.h"
#include "link/InstrumentLink.h"
#include "report/PrintOptionsWindow.h"
#include "report/ReportPreviewWindow.h"
#include "view/ArchiveListModel.h"
#include "view/ArchiveWindow.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"
#include "view/PanelStyle.h"
#include "view/RegisterModel.h"
#include "view/RegisterWindow.h"
#include "view/TeamSettingsWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace quillon;

namespace
{

// The room a control gives its text, and the texts it shows there.
struct TextRoom {
    QRect room;
    QStringList texts;
    bool wraps = false;
};

TextRoom labelRoom(const QLabel* label)
{
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return {};
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                -label->margin());
    if (label->indent() > 0)
        room.adjust(label->indent(), 0, 0, 0);
    return {room, {label->text()}, label->wordWrap()};
}

TextRoom buttonRoom(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault() || push->isDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    QRect room = button->style()->subElementRect(contents, &option, button);
    if (contents == QStyle::SE_PushButtonContents && !option.icon.isNull())
        room.adjust(option.iconSize.width() + 4, 0, 0, 0);
    return {room, {button->text()}};
}

TextRoom comboRoom(const QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    // The line edit or the label inside keeps a small margin on each side.
    const QRect field =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .adjusted(2, 0, -2, 0);
    TextRoom room{field, {}};
    for (int i = 0; i < combo->count(); ++i)
        room.texts << combo->itemText(i);
    if (combo->isEditable())
        room.texts << combo->currentText();
    return room;
}

TextRoom groupRoom(const QGroupBox* group)
{
    if (group->title().isEmpty())
        return {};
    // The frame's caption needs its text's width beside the frame's rounded corner.
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    return {label.intersected(group->rect()), {group->title()}};
}

TextRoom roomOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return labelRoom(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return buttonRoom(button);
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return comboRoom(combo);
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return groupRoom(group);
    return {};
}

// What does not fit in one control; empty when everything does.
QStringList misfits(const QWidget* w)
{
    QStringList problems;
    const TextRoom room = roomOf(w);
    const QFontMetrics metrics(w->font(), w);
    for (const QString& text : room.texts) {
        const QString plain = QString(text).remove(u'&');
        QSize need(metrics.horizontalAdvance(plain), metrics.height());
        if (room.wraps)
            need =
                metrics
                    .boundingRect(QRect(0, 0, room.room.width(), 100000), Qt::TextWordWrap, plain)
                    .size();
        if (need.width() > room.room.width() || need.height() > room.room.height())
            problems << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                            .arg(w->objectName(), text)
                            .arg(need.width())
                            .arg(need.height())
                            .arg(room.room.width())
                            .arg(room.room.height());
    }
    // The control itself lies whole inside the window.
    const QRect inWindow(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    if (!room.texts.isEmpty() && !w->window()->rect().contains(inWindow))
        problems << QStringLiteral("%1 reaches outside its window").arg(w->objectName());
    return problems;
}

// Controls of the window that cover each other (one drawn over the other), but for a control
// and what it holds.
QStringList overlaps(const QWidget* window)
{
    QList<const QWidget*> controls;
    for (const QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) &&
            (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
             qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
             qobject_cast<const QGroupBox*>(w) || w->objectName() == u"picascan"))
            controls << w;
    const auto place = [window](const QWidget* w) {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    };
    QStringList problems;
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QWidget* a = controls[i];
            const QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a) || !place(a).intersects(place(b)))
                continue;
            problems << QStringLiteral("%1 and %2 overlap").arg(a->objectName(), b->objectName());
        }
    return problems;
}

using WindowMaker = std::function<QWidget*()>;

struct Fixture {
    Module1 module;
    InstrumentLink link{module};
    BankTableModel table{module};
    QPrinter printer;
    Edition quillon = Edition::quillon();
    Edition pellisor = Edition::pellisor();
};

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

class WindowTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        QVERIFY(QDir::setCurrent(m_work.path()));
        if (const QString language = qEnvironmentVariable("QUILLON_TEST_LANGUAGE");
            !language.isEmpty()) {
            QVERIFY(Language::install(language));
            QLocale::setDefault(QLocale(language));
        }
        m_fixture = std::make_unique<Fixture>();
        m_fixture->printer.setOutputFormat(QPrinter::PdfFormat);
        m_fixture->module.startUp();
        QWidget probe;
        qInfo(
            "device pixel ratio %g; \"MS Sans Serif\" is drawn with %s, the platform's font is %s",
            probe.devicePixelRatioF(), qPrintable(resolvedFamily(panelFont())),
            qPrintable(resolvedFamily(probe.font())));
    }

    void everyTextFits_data()
    {
        Fixture& f = *m_fixture;
        QTest::addColumn<WindowMaker>("make");
        QTest::newRow("frmoption") << WindowMaker([&f] {
            auto* w = new PortSelectionWindow(f.module, f.link);
            w->load(PortSetting::numbered(1));
            return w;
        });
        QTest::newRow("frmopen") << WindowMaker([&f] { return new OpenWindow(f.quillon); });
        QTest::newRow("frmopen, pellisor")
            << WindowMaker([&f] { return new OpenWindow(f.pellisor); });
        QTest::newRow("frmsave") << WindowMaker([&f] { return new SaveWindow(f.module); });
        QTest::newRow("frmprintop") << WindowMaker([] { return new PrintOptionsWindow; });
        const auto forTask = [](const QString& title, const QString& button) {
            return WindowMaker([=] {
                auto* w = new PrintOptionsWindow;
                w->setTask(title, button);
                return w;
            });
        };
        QTest::newRow("frmprintop, preview") << forTask(QStringLiteral("Print Preview"), "Preview");
        QTest::newRow("frmprintop, export") << forTask(QStringLiteral("Export PDF"), "Export");
        QTest::newRow("frmAbout") << WindowMaker(
            [] { return new AboutBox(QStringLiteral("Quillon")); });
        QTest::newRow("frmpreview")
            << WindowMaker([&f] { return new ReportPreviewWindow(f.printer, [](QPrinter&) {}); });
        QTest::newRow("overview") << WindowMaker([&f] { return new BankOverviewWindow(f.table); });
        QTest::newRow("archive") << WindowMaker([] {
            auto* model = new ArchiveListModel(nullptr);
            auto* w = new ArchiveWindow(model);
            model->setParent(w);
            return w;
        });
        QTest::newRow("register") << WindowMaker([] {
            auto* model = new RegisterModel;
            auto* w = new RegisterWindow(model);
            model->setParent(w);
            return w;
        });
        QTest::newRow("team") << WindowMaker([] { return new TeamSettingsWindow; });
        QTest::newRow("manual") << WindowMaker([] { return new ManualWindow(QString()); });
    }

    void everyTextFits()
    {
        QFETCH(WindowMaker, make);
        QWidget* window = make();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        const std::unique_ptr<QWidget> owner(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QStringList problems;
        int measured = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || roomOf(w).texts.isEmpty())
                continue;
            ++measured;
            problems += misfits(w);
        }
        QVERIFY(measured > 0);

        const QString shots = qEnvironmentVariable("QUILLON_WINDOW_SHOTS");
        if (!shots.isEmpty()) {
            const QString name = QString::fromLatin1(QTest::currentDataTag())
                                     .replace(QStringLiteral(", "), QStringLiteral("-")) +
                                 QStringLiteral("-x%1.png").arg(window->devicePixelRatioF());
            QVERIFY(window->grab().save(QDir(shots).filePath(name)));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // The main window, with every feature's controls, at the size its texts need (below it the
    // window scrolls), at its first size and on a large screen.
    void mainWindowTextsFit_data()
    {
        QTest::addColumn<QSize>("size"); // of the page's view; empty: the least it needs
        QTest::newRow("least") << QSize();
        QTest::newRow("first") << QSize(-1, -1);
        QTest::newRow("large") << QSize(2400, 1400);
    }

    void mainWindowTextsFit()
    {
        QFETCH(QSize, size);
        qputenv("QUILLON_ARCHIVE", QFile::encodeName(m_work.filePath("archive.sqlite")));
        Application app(Edition::quillon());
        MainWindow& w = app.window();
        w.startUp();
        w.showSampleEcho();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* scroll = w.findChild<QScrollArea*>(QStringLiteral("scrmain"));
        QVERIFY(scroll);
        const QSize least = scroll->widget()->minimumSizeHint();
        const QSize view = size.isEmpty()   ? least
                           : size.isValid() ? size
                                            : scroll->widget()->sizeHint();
        // The window resized until the page's view has that size (the test screen is small).
        for (int i = 0; i < 3 && scroll->viewport()->size() != view; ++i) {
            w.resize(w.size() + view - scroll->viewport()->size());
            w.layout()->activate();
            QCoreApplication::processEvents();
        }
        QCOMPARE(scroll->viewport()->size(), view);
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(!scroll->verticalScrollBar()->isVisible());

        QStringList problems = overlaps(&w);
        for (QWidget* c : w.findChildren<QWidget*>())
            if (c->isVisibleTo(&w) && !roomOf(c).texts.isEmpty())
                problems += misfits(c);
        const QString shots = qEnvironmentVariable("QUILLON_WINDOW_SHOTS");
        if (!shots.isEmpty())
            QVERIFY(w.grab().save(
                QDir(shots).filePath(QStringLiteral("frmmain-%1-x%2.png")
                                         .arg(QString::fromLatin1(QTest::currentDataTag()))
                                         .arg(w.devicePixelRatioF()))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

private:
    QTemporaryDir m_work;
    std::unique_ptr<Fixture> m_fixture;
};

QTEST_MAIN(WindowTextsTest)
#include "tst_window_texts.moc"
