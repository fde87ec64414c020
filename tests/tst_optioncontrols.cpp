#include "platform/Label.h"
#include "platform/RadioButton.h"
#include "platform/RadioGroup.h"

#include <QMetaProperty>
#include <QRadioButton>
#include <QTest>

namespace {

// What a radio group's OnClick handler does from inside the event.
enum TGroupHandler
{
    ghNone,
    ghSetSame,   // sets ItemIndex to the value it already has
    ghForceZero, // sets ItemIndex to 0 whenever it is something else, like a normalising handler
};

// On the indicator: a radio button only takes clicks on its indicator and its text.
void ClickButton(QAbstractButton* Button)
{
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(6, Button->height() / 2));
}

// A row's actions, separated by blanks: "s1" sets ItemIndex to 1, "c0" clicks button 0.
void RunGroupActions(TRadioGroup& Group, const QString& Actions)
{
    for (const QString& action : Actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int value = action.mid(1).toInt();
        if (action.startsWith(QLatin1Char('s')))
            Group.SetItemIndex(value);
        else
            ClickButton(Group.Buttons().at(value));
    }
}

QString CheckMarks(const QList<QRadioButton*>& Buttons)
{
    QString marks;
    for (const QRadioButton* button : Buttons)
        marks += button->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return marks;
}

} // namespace

class TestOptionControls : public QObject
{
    Q_OBJECT

private slots:
    void PublishedProperties_data();
    void PublishedProperties();

    void LabelAutoSize();
    void LabelAlignment_data();
    void LabelAlignment();

    void GroupEvents_data();
    void GroupEvents();
    void GroupItemsReplaceButtons();
    void GroupLaysOutColumnsUnderCaption();
    void GroupHandlerMayReplaceItemsDuringClick();

    void ButtonEvents_data();
    void ButtonEvents();
};

void TestOptionControls::PublishedProperties_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");

    for (const char* name : {"Caption", "Alignment", "AutoSize"})
        QTest::addRow("TLabel.%s", name) << "TLabel" << name;
    for (const char* name : {"Caption", "Items", "Columns", "ItemIndex", "OnClick"})
        QTest::addRow("TRadioGroup.%s", name) << "TRadioGroup" << name;
    for (const char* name : {"Caption", "Checked", "OnClick"})
        QTest::addRow("TRadioButton.%s", name) << "TRadioButton" << name;
}

void TestOptionControls::PublishedProperties()
{
    QFETCH(QString, className);
    QFETCH(QString, property);

    const QMetaObject* meta = className == QLatin1String("TLabel") ? &TLabel::staticMetaObject
                              : className == QLatin1String("TRadioGroup")
                                  ? &TRadioGroup::staticMetaObject
                                  : &TRadioButton::staticMetaObject;
    QCOMPARE(QLatin1String(meta->className()), className);
    const int index = meta->indexOfProperty(property.toLatin1().constData());
    QVERIFY2(index >= 0, "the content loader writes this property by name");
    QVERIFY(meta->property(index).isReadable());
    QVERIFY(meta->property(index).isWritable());
}

void TestOptionControls::LabelAutoSize()
{
    TLabel label;
    QVERIFY(label.AutoSize());
    QVERIFY(!label.autoFillBackground());

    label.SetCaption(QStringLiteral("5V"));
    const int shortWidth = label.width();
    label.SetCaption(QStringLiteral("A much longer caption"));
    QVERIFY2(label.width() > shortWidth, "an auto-sized label grows with its text");
    QCOMPARE(label.size(), label.sizeHint());

    label.SetAutoSize(false);
    label.setGeometry(16, 8, 41, 17);
    label.SetCaption(QStringLiteral("3.3V, and then some"));
    QCOMPARE(label.geometry(), QRect(16, 8, 41, 17));
}

void TestOptionControls::LabelAlignment_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");

    QTest::newRow("left") << "taLeftJustify" << int(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("right") << "taRightJustify" << int(Qt::AlignRight | Qt::AlignTop);
    QTest::newRow("centre") << "taCenter" << int(Qt::AlignHCenter | Qt::AlignTop);
}

void TestOptionControls::LabelAlignment()
{
    QFETCH(QString, name);
    QFETCH(int, expected);

    TLabel label;
    if (name != QLatin1String("taLeftJustify"))
        label.SetAlignment(Platform::taCenter);
    // As the content loader does it: by property and enumerator name.
    const QMetaProperty property =
        label.metaObject()->property(label.metaObject()->indexOfProperty("Alignment"));
    const int value = property.enumerator().keyToValue(name.toLatin1().constData());
    QVERIFY(value >= 0);
    QVERIFY(property.write(&label, QVariant::fromValue(Platform::TAlignment(value))));
    QCOMPARE(int(label.Alignment()), value);
    QCOMPARE(int(label.alignment()), expected);
}

void TestOptionControls::GroupEvents_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("handler");
    QTest::addColumn<int>("itemIndex");
    QTest::addColumn<QString>("checkMarks");
    QTest::addColumn<QString>("seen"); // ItemIndex as each OnClick saw it

    QTest::newRow("set selects and raises") << "s1" << int(ghNone) << 1 << "010"
                                            << "1";
    QTest::newRow("set to current does nothing") << "s1 s1" << int(ghNone) << 1 << "010"
                                                 << "1";
    QTest::newRow("set -1 clears") << "s2 s-1" << int(ghNone) << -1 << "000"
                                   << "2 -1";
    QTest::newRow("out of range ignored") << "s0 s3 s-2" << int(ghNone) << 0 << "100"
                                          << "0";
    QTest::newRow("click selects") << "c2" << int(ghNone) << 2 << "001"
                                   << "2";
    QTest::newRow("click on selected does nothing") << "c2 c2" << int(ghNone) << 2 << "001"
                                                    << "2";
    QTest::newRow("clicks and sets mixed") << "s0 c1 s1 c0" << int(ghNone) << 0 << "100"
                                           << "0 1 0";
    QTest::newRow("handler sets same value") << "s1 c2" << int(ghSetSame) << 2 << "001"
                                             << "1 2";
    QTest::newRow("handler moves selection inside set") << "s2" << int(ghForceZero) << 0 << "100"
                                                        << "2 0";
    QTest::newRow("handler normalises none to first")
        << "s-1 s1 s-1" << int(ghForceZero) << 0 << "100"
        << "1 0 -1 0";
    QTest::newRow("handler moves selection inside click") << "c1" << int(ghForceZero) << 0 << "100"
                                                          << "1 0";
}

void TestOptionControls::GroupEvents()
{
    QFETCH(QString, actions);
    QFETCH(int, handler);
    QFETCH(int, itemIndex);
    QFETCH(QString, checkMarks);
    QFETCH(QString, seen);

    TRadioGroup group;
    group.setGeometry(0, 0, 241, 80);
    group.SetCaption(QStringLiteral(" Digital Bits 0-7 "));
    group.SetItems(
        {QStringLiteral("5V (CMOS)"), QStringLiteral("3.3V (LVTTL)"), QStringLiteral("Other")});
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));

    QStringList seenIndices;
    group.SetOnClick([&](QObject* Sender) {
        QCOMPARE(Sender, &group);
        seenIndices << QString::number(group.ItemIndex());
        if (handler == ghSetSame)
            group.SetItemIndex(group.ItemIndex());
        else if (handler == ghForceZero && group.ItemIndex() != 0)
            group.SetItemIndex(0);
    });
    RunGroupActions(group, actions);

    QCOMPARE(seenIndices.join(QLatin1Char(' ')), seen);
    QCOMPARE(group.ItemIndex(), itemIndex);
    QCOMPARE(CheckMarks(group.Buttons()), checkMarks);
}

void TestOptionControls::GroupItemsReplaceButtons()
{
    TRadioGroup group;
    int clicks = 0;
    group.SetOnClick([&](QObject*) { ++clicks; });
    group.SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    group.SetItemIndex(2);
    QCOMPARE(clicks, 1);

    group.SetItems({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
    QCOMPARE(group.ItemIndex(), 2);
    QCOMPARE(CheckMarks(group.Buttons()), QStringLiteral("001"));
    QCOMPARE(group.Buttons().at(1)->text(), QStringLiteral("y"));

    group.SetItems({QStringLiteral("only")});
    QCOMPARE(group.ItemIndex(), -1);
    QCOMPARE(CheckMarks(group.Buttons()), QStringLiteral("0"));
    QCOMPARE(clicks, 1);
}

void TestOptionControls::GroupLaysOutColumnsUnderCaption()
{
    TRadioGroup group;
    group.setGeometry(0, 0, 241, 90);
    group.SetCaption(QStringLiteral(" Digital Bits 8-15 "));
    group.SetColumns(2);
    group.SetItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                    QStringLiteral("four"), QStringLiteral("five")});
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));

    const QList<QRadioButton*> buttons = group.Buttons();
    const QRect area = group.contentsRect();
    QVERIFY2(area.top() > 0, "the caption takes the top of the box");
    for (const QRadioButton* button : buttons)
        QVERIFY2(area.contains(button->geometry()), qPrintable(button->text()));
    // Three to a column, filled top to bottom.
    QCOMPARE(buttons[1]->x(), buttons[0]->x());
    QCOMPARE(buttons[2]->x(), buttons[0]->x());
    QVERIFY(buttons[0]->y() < buttons[1]->y() && buttons[1]->y() < buttons[2]->y());
    QVERIFY(buttons[3]->x() > buttons[0]->x() + buttons[0]->width() - 1);
    QCOMPARE(buttons[3]->y(), buttons[0]->y());
    QCOMPARE(buttons[4]->y(), buttons[1]->y());
}

void TestOptionControls::GroupHandlerMayReplaceItemsDuringClick()
{
    TRadioGroup group;
    group.setGeometry(0, 0, 200, 80);
    group.SetItems({QStringLiteral("a"), QStringLiteral("b")});
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    group.SetOnClick([&](QObject*) {
        group.SetItems({QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
    });

    ClickButton(group.Buttons().at(1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(group.ItemIndex(), 1);
    QCOMPARE(group.Buttons().size(), 3);
    QCOMPARE(group.findChildren<QRadioButton*>().size(), 3);
    QCOMPARE(CheckMarks(group.Buttons()), QStringLiteral("010"));
}

void TestOptionControls::ButtonEvents_data()
{
    QTest::addColumn<QString>("actions"); // "sA" checks A, "uA" unchecks A, "cA" clicks A
    QTest::addColumn<bool>("redirect");   // A's handler checks C
    QTest::addColumn<QString>("checked"); // A, B, C, then D on another parent
    QTest::addColumn<QString>("seen");    // senders of OnClick, in order

    QTest::newRow("set checks and clears siblings") << "sA sB" << false << "010 0"
                                                    << "A B";
    QTest::newRow("set checked again does nothing") << "sA sA" << false << "100 0"
                                                    << "A";
    QTest::newRow("set false unchecks silently") << "sA uA" << false << "000 0"
                                                 << "A";
    QTest::newRow("click checks") << "cB" << false << "010 0"
                                  << "B";
    QTest::newRow("click on checked does nothing") << "cB cB" << false << "010 0"
                                                   << "B";
    QTest::newRow("click clears a set sibling") << "sA cC" << false << "001 0"
                                                << "A C";
    QTest::newRow("other parent untouched") << "sD sA cB" << false << "010 1"
                                            << "D A B";
    QTest::newRow("handler redirects inside set") << "sA" << true << "001 0"
                                                  << "A C";
    QTest::newRow("handler redirects inside click") << "cA" << true << "001 0"
                                                    << "A C";
    QTest::newRow("redirect target checked already") << "sC sA" << true << "001 0"
                                                     << "C A C";
}

void TestOptionControls::ButtonEvents()
{
    QFETCH(QString, actions);
    QFETCH(bool, redirect);
    QFETCH(QString, checked);
    QFETCH(QString, seen);

    QWidget window;
    window.resize(300, 200);
    auto* panel = new QWidget(&window);
    panel->setGeometry(0, 0, 150, 200);
    auto* other = new QWidget(&window);
    other->setGeometry(150, 0, 150, 200);
    QHash<QString, TRadioButton*> buttons;
    for (const char* name : {"A", "B", "C"}) {
        auto* button = new TRadioButton(panel);
        button->SetCaption(QString::fromLatin1(name));
        button->setGeometry(10, 10 + 30 * int(buttons.size()), 113, 17);
        buttons.insert(QString::fromLatin1(name), button);
    }
    buttons.insert(QStringLiteral("D"), new TRadioButton(other));
    buttons[QStringLiteral("D")]->setGeometry(10, 10, 113, 17);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList senders;
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
        const QString name = it.key();
        TRadioButton* button = it.value();
        button->SetOnClick([&, name, button](QObject* Sender) {
            QCOMPARE(Sender, button);
            QVERIFY2(button->Checked(), "OnClick comes after the check");
            senders << name;
            if (redirect && name == QLatin1String("A"))
                buttons[QStringLiteral("C")]->SetChecked(true);
        });
    }

    for (const QString& action : actions.split(QLatin1Char(' '))) {
        TRadioButton* button = buttons[action.mid(1)];
        if (action.startsWith(QLatin1Char('s')))
            button->SetChecked(true);
        else if (action.startsWith(QLatin1Char('u')))
            button->SetChecked(false);
        else
            ClickButton(button);
    }

    QString marks;
    for (const char* name : {"A", "B", "C", " ", "D"}) {
        marks += *name == ' '
                     ? QStringLiteral(" ")
                     : (buttons[QString::fromLatin1(name)]->Checked() ? QStringLiteral("1")
                                                                      : QStringLiteral("0"));
    }
    QCOMPARE(marks, checked);
    QCOMPARE(senders.join(QLatin1Char(' ')), seen);
}

QTEST_MAIN(TestOptionControls)
#include "tst_optioncontrols.moc"
