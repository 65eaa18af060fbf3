#include "app/tmain.h"

#include "app/appstate.h"
#include "app/menustate.h"
#include "app/windowcatalog.h"
#include "text/prompt.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QUrl>

namespace App {
namespace {

QIcon servicePicture()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x6f, 0xb5));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 18, 18);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("V"));
    return QIcon(pm);
}

} // namespace

QString TMAIN::caption()
{
    return QStringLiteral(" Orvanta  Velmora 3.0   < โปรแกรมขาย เงินสด - เงินผ่อน >")
        + QStringLiteral("      ฝ่ายบริการลูกค้า โทร. 0-2000-3030");
}

QString TMAIN::backupReminder()
{
    return QStringLiteral("อย่าลืมสำรองข้อมูล ...") + QStringLiteral("\n\n")
        + QStringLiteral("อ่านวิธีสำรองข้อมูลได้ที่ Help");
}

QString TMAIN::docWindowBusyMessage()
{
    return QStringLiteral("มีข้อมูลรายการขายเปิดอยู่ กรุณาปิดก่อนทำรายการอื่น");
}

TMAIN::TMAIN(AppState &state, const WindowCatalog &catalog, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_catalog(catalog),
      m_pageFolder(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("TMAIN"));
    setWindowTitle(caption());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setBackground(Qt::black);
    setCentralWidget(m_mdi);

    m_shellOpen = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    buildMenus();
    applyMenuStates(0);
    connect(&m_state, &AppState::userLevelChanged, this, &TMAIN::applyMenuStates);
}

QMenu *TMAIN::addMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    // The gating table speaks of items; a submenu's item is its menuAction.
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction *TMAIN::addCommand(QMenu *menu, const char *name, const QString &caption, std::function<void()> run)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
}

void TMAIN::buildMenus()
{
    QAction *serv = menuBar()->addAction(servicePicture(), QString());
    serv->setObjectName(QStringLiteral("Serv"));
    connect(serv, &QAction::triggered, this, [this] { openPage(QStringLiteral("Product/product.html")); });

    QAction *login = menuBar()->addAction(QStringLiteral("Login"));
    login->setObjectName(QStringLiteral("login"));
    connect(login, &QAction::triggered, this, [this] { openPlain(QStringLiteral("Tpasswd")); });

    const auto doc = [this](int mode) { return [this, mode] { openGuarded(Guard::DocWindow, QStringLiteral("Tmobile"), mode, false); }; };
    const auto docRefuse = [this](int mode) { return [this, mode] { openGuarded(Guard::DocWindow, QStringLiteral("Tmobile"), mode, true); }; };
    const auto hp = [this](int mode) { return [this, mode] { openGuarded(Guard::HpWindow, QStringLiteral("Tfinance"), mode, false); }; };
    const auto plain = [this](const char *cls) { return [this, cls] { openPlain(QString::fromLatin1(cls)); }; };

    QMenu *n60 = addMenu(nullptr, "N60", QStringLiteral("รายการหลัก"));
    QMenu *instock = addMenu(n60, "instock", QStringLiteral("ซื้อ / รับสินค้าเข้า STOCK"));
    addCommand(instock, "gg1", QStringLiteral("ภาษีเหมาจ่าย"), doc(3));
    addCommand(instock, "N61", QStringLiteral("ภาษีมูลค่าเพิ่ม"), doc(4));
    addCommand(n60, "order", QStringLiteral("ใบสั่งซื้อ"), docRefuse(5));
    addCommand(n60, "mquotation", QStringLiteral("ใบเสนอราคา"), docRefuse(9));
    n60->addSeparator();
    addCommand(n60, "mCash", QStringLiteral("เปิดลิ้นชักเก็บเงิน"), plain("TPoke"));
    n60->addSeparator();
    addCommand(n60, "N63", QStringLiteral("จัดการฐานข้อมูล"), plain("Tdata_tools"));
    n60->addSeparator();
    addCommand(n60, "exit", QStringLiteral("เ&ลิกการทำงาน ( EXIT )"), [this] { exitProgram(); });

    QMenu *acc = addMenu(nullptr, "maccount", QStringLiteral("เงินสด-เครดิต"));
    QMenu *out = addMenu(acc, "outstock_mb", QStringLiteral("ขาย / จำหน่าย"));
    addCommand(out, "N14", QStringLiteral("ภาษีเหมาจ่าย"), doc(1));
    addCommand(out, "N18", QStringLiteral("ภาษีมูลค่าเพิ่ม"), doc(2));
    acc->addSeparator();
    addCommand(acc, "pbill", QStringLiteral("ใบวางบิล "), plain("TP_Bill"));
    addCommand(acc, "rbill", QStringLiteral("รับวางบิล"), plain("TR_Bill"));

    QMenu *fin = addMenu(nullptr, "mfinance", QStringLiteral("เงินผ่อน"));
    QMenu *sf = addMenu(fin, "msale_finance", QStringLiteral("ขาย / จำหน่าย"));
    addCommand(sf, "N57", QStringLiteral("ภาษีเหมาจ่าย"), hp(6));
    addCommand(sf, "N59", QStringLiteral("ภาษีมูลค่าเพิ่ม"), hp(7));
    QMenu *pay = addMenu(fin, "mpay", QStringLiteral("ชำระเงินดาวน์-ค่างวด"));
    addCommand(pay, "N48", QStringLiteral("ภาษีเหมาจ่าย"), [this] { m_state.payMode = QStringLiteral("6"); openPlain(QStringLiteral("Tfinance2")); });
    addCommand(pay, "N72", QStringLiteral("ภาษีมูลค่าเพิ่ม"), [this] { m_state.payMode = QStringLiteral("7"); openPlain(QStringLiteral("Tfinance2")); });
    fin->addSeparator();
    addCommand(fin, "N53", QStringLiteral("ประวัติการผ่อนชำระ ( โดยชื่อลูกค้า )"), plain("Thistory_na"));
    addCommand(fin, "N65", QStringLiteral("ประวัติการผ่อนชำระ ( โดยเลขที่สัญญา )"), plain("Thistory_inv_no"));

    QMenu *ref = addMenu(nullptr, "ref", QStringLiteral("อ้างอิง"));
    addCommand(ref, "N44", QStringLiteral("ทะเบียนลูกค้า"), plain("TRef_Cust"));
    addCommand(ref, "N27", QStringLiteral("ทะบียนผู้ขาย"), plain("TRef_Supply"));
    addCommand(ref, "N28", QStringLiteral("ทะเบียนพนักงาน"), plain("TRef_Sale"));
    addCommand(ref, "N21", QStringLiteral("ทะเบียนสินค้า"), plain("TRef_Part"));
    addCommand(ref, "scale", QStringLiteral("ระดับราคาสินค้า"), plain("Tfscale"));
    ref->addSeparator();
    addCommand(ref, "N31", QStringLiteral("ระบบ /  สถานประกอบการ"), plain("TRef_Pos"));

    QMenu *rep = addMenu(nullptr, "report", QStringLiteral("รายงาน"));
    QMenu *n15 = addMenu(rep, "N15", QStringLiteral("ซื้อ"));
    addCommand(n15, "N29", QStringLiteral("บัญชีซื้อ"), [this] { m_state.bookSelector = QStringLiteral("0"); openPlain(QStringLiteral("Trbuy_sale")); });
    addCommand(n15, "N32", QStringLiteral("รายงานภาษีซื้อ"), plain("TbTax"));
    QMenu *n12 = addMenu(rep, "N12", QStringLiteral("ขาย"));
    addCommand(n12, "N33", QStringLiteral("บัญชีขาย"), [this] { m_state.bookSelector = QStringLiteral("1"); openPlain(QStringLiteral("Trbuy_sale")); });
    addCommand(n12, "N34", QStringLiteral("รายงานภาษีขาย"), plain("TsTax"));
    rep->addSeparator();
    QMenu *n7 = addMenu(rep, "N7", QStringLiteral("ลูกค้า"));
    addCommand(n7, "N24", QStringLiteral("ทะเบียนลูกค้า"), plain("TCustLBL"));
    addCommand(n7, "N67", QStringLiteral("ลูกค้า-รายละเอียดการซื้อ"), plain("TQuery_Cust"));
    addCommand(n7, "N66", QStringLiteral("ลูกค้าค้างชำระ"), plain("Tr_Wait"));
    QMenu *n8 = addMenu(rep, "N8", QStringLiteral("สินค้า"));
    addCommand(n8, "N25", QStringLiteral("ทะเบียนสินค้า"), plain("TProduct"));
    addCommand(n8, "N35", QStringLiteral("ค้นหาสินค้า"), plain("Tfind_product_code"));
    addCommand(n8, "N39", QStringLiteral("สินค้าที่มีการซื้อ / ขาย"), plain("TrPro"));
    addCommand(n8, "N9", QStringLiteral("สินค้าที่ซื้อมาก"), plain("TBest_Buy"));
    addCommand(n8, "N10", QStringLiteral("สินค้าที่ขายมาก"), plain("TBest_Sale"));
    addCommand(n8, "N41", QStringLiteral("สินค้าถึงจุดต้องสั่งซื้อ"), plain("TPoint"));
    QMenu *stock2 = addMenu(rep, "Stock2", QStringLiteral("วิเคราะห์สินค้า ( สำหรับสินค้าที่ตัด Stock )"));
    addCommand(stock2, "N56", QStringLiteral("วิเคราะห์ราคาทุน - ราคาขาย "), plain("TRproduct_Budget"));
    addCommand(stock2, "N74", QStringLiteral("ประวัติการซื้อ - ขาย โดยชื่อลูกค้า"), plain("Trep_history_na"));
    addCommand(stock2, "N75", QStringLiteral("ประวัติการซื้อ - ขาย โดยชื่อสินค้า"), plain("Trep_product"));
    rep->addSeparator();
    QMenu *n3 = addMenu(rep, "N3", QStringLiteral("พนักงาน"));
    addCommand(n3, "N20", QStringLiteral("ทะเบียนพนักงาน"), [this] { openPreview(QStringLiteral("TrepSale")); });
    addCommand(n3, "N23", QStringLiteral("ผลงานพนักงาน"), plain("TfSaleR"));
    rep->addSeparator();
    addCommand(rep, "N5", QStringLiteral("รายรับ - รายจ่าย"), plain("Tprofit"));

    QMenu *help = addMenu(nullptr, "mabout", QStringLiteral("Help"));
    addCommand(help, "N19", QStringLiteral("วิธีใช้งาน"), [this] { openPage(QStringLiteral("HB_velmora30.html")); });
    addCommand(help, "LAN1", QStringLiteral("ระบบ LAN"), [this] { openPage(QStringLiteral("HB_Lan.html")); });
    help->addSeparator();
    addCommand(help, "N1", QStringLiteral("ติดต่อฝ่ายบริการ"), plain("TAdvicer"));
    addCommand(help, "N16", QStringLiteral("ผลิตภัณฑ์ อื่น ๆ"), [this] { openPage(QStringLiteral("Product/product.html")); });
    help->addSeparator();
    addCommand(help, "ORVANTA1", QStringLiteral("เกี่ยวกับโปรแกรม"), plain("TAboutMe"));
}

void TMAIN::applyMenuStates(int userLevel)
{
    for (const MenuItemState &s : menuStates(userLevel)) {
        if (s.state == ItemState::Unchanged)
            continue;
        for (QAction *a : findChildren<QAction *>(s.item))
            a->setEnabled(s.state == ItemState::On);
    }
}

void TMAIN::openGuarded(Guard guard, const QString &className, int docMode, bool refuseWhenOpen)
{
    const bool open = guard == Guard::DocWindow ? m_state.docWindowOpen : m_state.hpWindowOpen;
    QPointer<QMdiSubWindow> &instance = guard == Guard::DocWindow ? m_docWindow : m_hpWindow;
    if (open) {
        if (refuseWhenOpen) {
            Prompt::message(docWindowBusyMessage());
        } else if (instance) {
            instance->showNormal();
            m_mdi->setActiveSubWindow(instance);
        }
        return;
    }
    if (!m_catalog.has(className))
        return;
    const int previousMode = m_state.docMode;
    m_state.docMode = docMode;
    if (QMdiSubWindow *sub = openPlain(className))
        instance = sub;
    else
        m_state.docMode = previousMode;
}

QMdiSubWindow *TMAIN::openPlain(const QString &className)
{
    QWidget *w = m_catalog.create(className, m_state);
    if (!w)
        return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    // A window that customises its frame (the About box) keeps its own flags.
    const Qt::WindowFlags flags = w->windowFlags().testFlag(Qt::CustomizeWindowHint) ? w->windowFlags() : Qt::WindowFlags();
    QMdiSubWindow *sub = m_mdi->addSubWindow(w, flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A window closed by its own exit button takes its frame along; queued, so
    // a frame already being destroyed is left alone.
    connect(w, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    sub->show();
    return sub;
}

void TMAIN::openPreview(const QString &className)
{
    // A report opened this way shows its own preview and keeps no window.
    if (QWidget *w = m_catalog.create(className, m_state))
        delete w;
}

void TMAIN::openPage(const QString &relativePath)
{
    // Whether the desktop managed to open the page is not the program's concern.
    m_shellOpen(QDir(m_pageFolder).filePath(relativePath));
}

void TMAIN::exitProgram()
{
    close();
    QCoreApplication::quit();
}

void TMAIN::closeEvent(QCloseEvent *event)
{
    if (!m_reminded) {
        m_reminded = true;
        Prompt::message(backupReminder());
    }
    event->accept();
}

} // namespace App
