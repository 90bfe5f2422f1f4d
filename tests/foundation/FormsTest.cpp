// The forms mechanism and the catching of errors that escape every handler.

#include "foundation/Application.h"
#include "foundation/Controls.h"
#include "foundation/Forms.h"
#include "foundation/RuntimeError.h"
#include "foundation/frmDebug.h"
#include "support/ClientTest.h"

#include <QTimer>
#include <functional>
#include <QtTest/QTest>

namespace {
int g_loads = 0;
int g_unloads = 0;
bool g_cancelUnload = false;

class frmProbe : public Form<QWidget> {
public:
    frmProbe() { setWindowTitle(QStringLiteral("Probe")); }
    void Form_Load() override
    {
        ++g_loads;
        // Reaching the form from its own load handler finds this instance.
        EXPECT_EQ(&Forms::get<frmProbe>(), this);
    }
    void Form_Unload(int& Cancel) override
    {
        ++g_unloads;
        Cancel = g_cancelUnload ? 1 : 0;
    }
};
} // namespace

class FormsTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        g_loads = g_unloads = 0;
        g_cancelUnload = false;
    }
};

TEST_F(FormsTest, LoadedOnceOnFirstUseAndFreshAfterAnUnload)
{
    EXPECT_FALSE(Forms::isLoaded<frmProbe>());
    frmProbe* first = &Forms::get<frmProbe>();
    EXPECT_EQ(&Forms::get<frmProbe>(), first);
    EXPECT_EQ(g_loads, 1);
    EXPECT_TRUE(Forms::isLoaded<frmProbe>());
    EXPECT_FALSE(first->Visible());

    g_cancelUnload = true;
    EXPECT_FALSE(Forms::unload<frmProbe>());
    EXPECT_TRUE(Forms::isLoaded<frmProbe>());

    g_cancelUnload = false;
    EXPECT_TRUE(Forms::unload<frmProbe>());
    EXPECT_FALSE(Forms::isLoaded<frmProbe>());
    EXPECT_EQ(g_unloads, 2);

    Forms::get<frmProbe>();
    EXPECT_EQ(g_loads, 2);
}

TEST_F(FormsTest, TheCloseBoxUnloadsTheForm)
{
    frmProbe& f = Forms::get<frmProbe>();
    f.Show();
    f.close();
    EXPECT_FALSE(Forms::isLoaded<frmProbe>());
    EXPECT_EQ(g_unloads, 1);
}

TEST_F(FormsTest, TwipsGeometry)
{
    frmProbe& f = Forms::get<frmProbe>();
    f.setLeft(1500);
    f.setTop(3000);
    f.setWidth(4500);
    f.setHeight(6000);
    EXPECT_EQ(f.Left(), 1500);
    EXPECT_EQ(f.Top(), 3000);
    EXPECT_EQ(f.Width(), 4500);
    EXPECT_EQ(f.Height(), 6000);
}

TEST_F(FormsTest, AnUntrappedErrorIsRecordedAndTheProgramGoesOn)
{
    QTimer timer;
    timer.setSingleShot(true);
    bool ranAfter = false;
    QObject::connect(&timer, &QTimer::timeout, [] { Raise(errSubscriptOutOfRange); });
    timer.start(0);
    QTimer::singleShot(20, [&] { ranAfter = true; });
    QTRY_VERIFY_WITH_TIMEOUT(ranAfter, 2000);
    ASSERT_TRUE(Forms::isLoaded<frmDebug>());
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->toPlainText().startsWith(
        QStringLiteral("Error #9 Subscript out of range in ")));
    EXPECT_FALSE(Forms::get<frmDebug>().Visible());
    EXPECT_FALSE(ProgramHasEnded());
}

TEST_F(FormsTest, AnEndInAHandlerLeavesEventDeliveryForGood)
{
    // An object whose handler of one event kind runs a given statement.
    struct Receiver : QObject {
        std::function<void()> handler;
        bool event(QEvent* e) override
        {
            if (e->type() != QEvent::User)
                return QObject::event(e);
            handler();
            return true;
        }
    } r;
    QEvent e(QEvent::User);
    r.handler = [] { End(); };
    EXPECT_FALSE(QCoreApplication::sendEvent(&r, &e));
    EXPECT_TRUE(ProgramHasEnded());
    EXPECT_FALSE(Forms::isLoaded<frmDebug>()) << "an end is no error";
    bool ran = false;
    r.handler = [&] { ran = true; };
    QCoreApplication::sendEvent(&r, &e);
    EXPECT_FALSE(ran);
}

TEST_F(FormsTest, StatusBarShowsServerTextsAsPlainText)
{
    StatusBar bar({10, 10});
    bar.setPanel(2, QStringLiteral("<b>bold</b> <img src=x>"));
    bar.setSimpleText(QStringLiteral("<i>x</i>"));
    EXPECT_EQ(bar.Panel(2), QStringLiteral("<b>bold</b> <img src=x>"));
    for (const QLabel* label : bar.findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
}
