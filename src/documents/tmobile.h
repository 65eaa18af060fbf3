#pragma once

#include "documents/documentcontroller.h"

#include <QAbstractItemView>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSqlQueryModel;
class QStackedWidget;
class QTableView;
class QTableWidget;
class QToolButton;

namespace App {
class AppState;
}
namespace Data {
class Connection;
}

// The document window: sales, purchases, purchase orders and quotations in
// the mode the main window set. It shows what its controller holds and
// forwards the user's events to it.
class Tmobile : public QWidget
{
    Q_OBJECT
public:
    explicit Tmobile(App::AppState &state, QWidget *parent = nullptr);
    ~Tmobile() override;

    // Runs the print request the window has just set (the print forms).
    void setPrintHook(std::function<void(App::AppState &, QWidget *)> hook) { m_printHook = std::move(hook); }
    Documents::DocumentController *controller() { return m_controller.get(); }
    bool activateWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    QWidget *buildMainPage();
    QWidget *buildSearchPage();
    QWidget *buildPartyPage();
    QWidget *buildQuickAddPage();
    void buildLinePanel(QWidget *parent);
    void buildPaymentPanel(QWidget *parent);
    void applyMode();
    void refresh();
    void refreshPanel();
    void setMainPage();

    void addDocument();
    void editDocument();
    void saveDocument();
    void dontSaveDocument();
    void partyCodeEntered();
    void salespersonChosen();
    void openDocumentSearch();
    void searchDocuments(const QString &text);
    void documentPicked();
    void openPartySearch();
    void searchParties(const QString &text);
    void partySearchOrder();
    void usePickedParty();
    void openQuickAdd();
    void quickAddSave();
    void quickAddCancel();
    void newLine();
    void editLine();
    void deleteLine();
    void lineCodeEntered();
    void productPicked();
    void productSearchOrder();
    void showProductInList();
    void moveProductList(bool byName, const QString &text, QAbstractItemView::ScrollHint hint);
    void loadProductList();
    void productTyped(const QString &text);
    void freeNameEntered();
    void quantityEntered();
    void acceptLine();
    void cancelLine();
    void gatherPanel();
    void cellEdited(int row, int column);
    void printDocument(int button);
    void openPayment(bool fromButton);
    void workOutChange();
    void openDrawer();

    App::AppState &m_state;
    std::unique_ptr<Data::Connection> m_connection;
    std::unique_ptr<Documents::DocumentRepository> m_repo;
    std::unique_ptr<Documents::DocumentController> m_controller;
    std::function<void(App::AppState &, QWidget *)> m_printHook;
    bool m_activationPending = true;
    bool m_refreshing = false;
    int m_mode = 1;

    QWidget *m_toolbar = nullptr;
    QPushButton *m_add = nullptr, *m_edit = nullptr, *m_delete = nullptr, *m_save = nullptr, *m_dontSave = nullptr;
    QPushButton *m_first = nullptr, *m_prior = nullptr, *m_next = nullptr, *m_last = nullptr, *m_refreshButton = nullptr;
    QPushButton *m_search = nullptr, *m_exit = nullptr, *m_payButton = nullptr;
    QPushButton *m_print[3] = {nullptr, nullptr, nullptr};
    QStackedWidget *m_pages = nullptr;
    QWidget *m_mainPage = nullptr, *m_searchPage = nullptr, *m_partyPage = nullptr, *m_quickPage = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_headerState = nullptr, *m_lineState = nullptr;
    QLineEdit *m_number = nullptr, *m_date = nullptr, *m_due = nullptr, *m_reference = nullptr, *m_billDiscount = nullptr;
    QComboBox *m_term = nullptr, *m_salesperson = nullptr;
    QLabel *m_codeLabel = nullptr, *m_nameLabel = nullptr, *m_referenceLabel = nullptr, *m_staffLabel = nullptr;
    QLabel *m_billDiscountLabel = nullptr;
    QLineEdit *m_partyCode = nullptr, *m_partyName = nullptr, *m_address1 = nullptr, *m_address2 = nullptr;
    QLineEdit *m_province = nullptr, *m_zip = nullptr, *m_tel = nullptr, *m_fax = nullptr;
    QFrame *m_lineButtons = nullptr;
    QPushButton *m_lineAdd = nullptr, *m_lineDelete = nullptr, *m_lineEdit = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_discountAmount = nullptr, *m_netAmount = nullptr, *m_taxAmount = nullptr, *m_sumAmount = nullptr;
    QWidget *m_netGroup = nullptr, *m_taxGroup = nullptr;
    QToolButton *m_sumWord = nullptr;

    // Line-entry panel.
    QFrame *m_panel = nullptr;
    QRadioButton *m_byCode = nullptr, *m_byName = nullptr;
    QLabel *m_codeBoxLabel = nullptr, *m_indicator = nullptr, *m_unitLabel = nullptr;
    QLabel *m_qtyLabel = nullptr, *m_priceLabel = nullptr, *m_attribLabel = nullptr, *m_attrib2Label = nullptr;
    QLabel *m_onHandLabel = nullptr, *m_warrantyLabel = nullptr;
    QLineEdit *m_lineCode = nullptr, *m_attrib = nullptr, *m_attrib2 = nullptr, *m_freeName = nullptr;
    QLineEdit *m_onHand = nullptr, *m_quantity = nullptr, *m_price = nullptr, *m_discount = nullptr;
    QComboBox *m_warranty = nullptr;
    QTableView *m_productList = nullptr;
    QSqlQueryModel *m_productModel = nullptr;
    QPushButton *m_accept = nullptr, *m_cancel = nullptr;

    // Payment panel.
    QFrame *m_payment = nullptr;
    QLabel *m_goods = nullptr, *m_moneyLabel = nullptr, *m_change = nullptr;
    QLineEdit *m_money = nullptr;
    QPushButton *m_closePayment = nullptr, *m_drawer = nullptr;

    // Search pages.
    QLineEdit *m_docSearch = nullptr;
    QTableView *m_docList = nullptr;
    QSqlQueryModel *m_docModel = nullptr;
    QRadioButton *m_partyByCode = nullptr, *m_partyByName = nullptr;
    QLineEdit *m_partySearch = nullptr;
    QTableView *m_partyList = nullptr;
    QSqlQueryModel *m_partyModel = nullptr;
    QPushButton *m_useParty = nullptr;

    // Quick add.
    QLabel *m_quickTitle = nullptr, *m_quickCodeLabel = nullptr, *m_quickNameLabel = nullptr, *m_lastCode = nullptr;
    QLineEdit *m_quick[11] = {};
    QComboBox *m_quickTerm = nullptr;
};
