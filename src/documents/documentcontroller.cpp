#include "documents/documentcontroller.h"

#include "documents/messages.h"
#include "documents/numbering.h"

#include "registers/pricelevels.h"
#include "registers/terms.h"
#include "text/numberinput.h"
#include "text/prompt.h"
#include "text/thaitext.h"

#include <QDateTime>

namespace Documents {

DocumentController::DocumentController(int mode, int userLevel, DocumentRepository &repository, QObject *parent)
    : QObject(parent), m_mode(modeInfo(mode) ? modeInfo(mode) : modeInfo(1)), m_userLevel(userLevel),
      m_repo(repository), m_random(quint32(QDateTime::currentMSecsSinceEpoch()))
{
}

bool DocumentController::activate()
{
    if (!m_repo.readSettings(&m_settings) || !m_repo.salespeople(&m_salespeople)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    QStringList prefixes;
    for (const QString &p : m_settings.prefixes)
        prefixes.append(p);
    m_head = numberHead(*m_mode, prefixes);
    m_action = Action::Normal;
    return moveLast();
}

ButtonSet DocumentController::buttons() const
{
    ButtonSet b;
    const bool browse = m_action == Action::Normal;
    b.add = browse;
    b.editVisible = m_userLevel >= 1 && m_userLevel <= 3;
    b.edit = browse && m_hasDocuments && b.editVisible;
    b.exit = browse || (m_exitEnabled && !panelOpen());
    b.search = browse;
    b.dontSave = !browse && !panelOpen();
    b.save = !browse && !panelOpen();
    b.navigator = browse;
    b.payment = browse;
    for (int i = 0; i < 3; ++i) {
        b.printShown[i] = m_mode->print[i].shown;
        // Nothing unsaved may be printed.
        b.printEnabled[i] = browse && m_mode->print[i].shown && m_mode->print[i].enabledInBrowse;
    }
    b.lineButtons = !browse;
    b.headerEditable = !browse;
    return b;
}

bool DocumentController::show(const std::optional<QString> &number)
{
    std::optional<Document> doc;
    if (number && !m_repo.load(*m_mode, *number, &doc)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    m_doc = doc.value_or(Document{});
    m_shown = PartyRecord{};
    const HeaderValues &h = m_doc.header();
    m_shown.code = h.custNo;
    m_shown.name = h.custName;
    std::optional<PartyRecord> party;
    if (!h.custNo.isEmpty() && m_repo.findParty(*m_mode, h.custNo, &party) && party) {
        m_shown = *party;
        m_shown.name = h.custName;  // the name as filed
    }
    m_term = h.custCre;
    m_billDiscountText = Registers::plainNumber(h.custDisc);
    m_totals = computeTotals(m_doc.lines(), m_mode->regime, h.custDisc);
    Q_EMIT changed();
    return true;
}

bool DocumentController::moveLast()
{
    std::optional<QString> n;
    if (!m_repo.lastNumber(*m_mode, m_head, &n)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    m_hasDocuments = n.has_value();
    return show(n);
}

bool DocumentController::moveFirst()
{
    if (m_action != Action::Normal)
        return false;
    std::optional<QString> n;
    if (!m_repo.firstNumber(*m_mode, m_head, &n)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    m_hasDocuments = n.has_value();
    return show(n);
}

bool DocumentController::moveNext()
{
    if (m_action != Action::Normal)
        return false;
    std::optional<QString> n;
    if (!m_repo.nextAfter(*m_mode, m_head, currentNumber(), &n)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    return n ? show(n) : false;
}

bool DocumentController::movePrior()
{
    if (m_action != Action::Normal)
        return false;
    std::optional<QString> n;
    if (!m_repo.priorBefore(*m_mode, m_head, currentNumber(), &n)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    return n ? show(n) : false;
}

bool DocumentController::refresh()
{
    if (m_action != Action::Normal)
        return false;
    bool any = false;
    if (!m_repo.hasDocuments(*m_mode, m_head, &any))
        return false;
    m_hasDocuments = any;
    std::optional<Document> doc;
    if (!currentNumber().isEmpty() && m_repo.load(*m_mode, currentNumber(), &doc) && doc)
        return show(currentNumber());
    return moveLast();
}

bool DocumentController::showDocument(const QString &number)
{
    if (m_action != Action::Normal || !number.startsWith(m_head))
        return false;
    return show(number);
}

bool DocumentController::findDocument(const QString &text)
{
    if (m_action != Action::Normal)
        return false;
    std::optional<QString> n;
    if (!m_repo.nearestAtOrAfter(*m_mode, m_head, text, &n)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    return n ? show(n) : false;
}

bool DocumentController::add()
{
    if (m_action != Action::Normal)
        return false;
    m_action = Action::Add;
    m_exitEnabled = false;
    m_party.reset();
    m_shown = PartyRecord{};
    m_term.clear();
    m_temporary = Documents::temporaryNumber(m_random);
    HeaderValues h;
    h.invNo = m_temporary;
    h.invType = QString(m_mode->digit);
    h.invDate = Text::TodayText();
    h.custDisc = 0;
    h.taxRate = m_mode->newTaxRate;
    h.fgOk = 0;
    h.dueDate = Text::DueDate(h.invDate, m_term);
    m_doc = Document::fresh(h);
    m_billDiscountText = QStringLiteral("0");
    m_totals = Totals{};
    Q_EMIT changed();
    return true;
}

bool DocumentController::edit()
{
    if (m_action != Action::Normal || !buttons().edit || currentNumber().isEmpty())
        return false;
    m_action = Action::Edit;
    m_exitEnabled = false;
    m_party = m_shown;
    Q_EMIT changed();
    return true;
}

void DocumentController::dontSave()
{
    if (m_action == Action::Normal)
        return;
    const QString keep = m_doc.isNew() ? QString() : m_doc.originalHeader().invNo;
    m_action = Action::Normal;
    m_panel = PanelState::Closed;
    m_exitEnabled = true;
    m_party.reset();
    if (keep.isEmpty())
        moveLast();
    else {
        bool any = false;
        if (m_repo.hasDocuments(*m_mode, m_head, &any))
            m_hasDocuments = any;
        show(keep);
    }
}

void DocumentController::recomputeDue()
{
    HeaderValues &h = m_doc.header();
    if (Text::IsValidDateText(h.invDate))
        h.dueDate = Text::DueDate(h.invDate, m_term);
}

PartyCodeResult DocumentController::enterPartyCode(const QString &text)
{
    if (m_action == Action::Normal)
        return PartyCodeResult::Ignored;
    if (text.isEmpty())
        return PartyCodeResult::OpenSearch;
    if (text == QLatin1String("+"))
        return PartyCodeResult::OpenQuickAdd;
    std::optional<PartyRecord> party;
    if (!m_repo.findParty(*m_mode, text, &party)) {
        Prompt::warning(Messages::readFailed());
        return PartyCodeResult::NotFound;
    }
    if (!party) {
        Prompt::message(Messages::partyNotFound());
        return PartyCodeResult::NotFound;
    }
    m_party = *party;
    m_shown = *party;
    m_term = party->credit;
    recomputeDue();
    Q_EMIT changed();
    return PartyCodeResult::Found;
}

bool DocumentController::useParty(const QString &code)
{
    if (m_action == Action::Normal)
        return false;
    return enterPartyCode(code) == PartyCodeResult::Found;
}

QString DocumentController::lastPartyCode()
{
    QString code;
    m_repo.lastPartyCode(*m_mode, &code);
    return code;
}

bool DocumentController::quickAdd(PartyRecord party)
{
    party.code = party.code.trimmed();
    if (party.code.isEmpty() || party.code.size() > 5) {
        Prompt::message(Messages::quickAddNoCode());
        return false;
    }
    if (party.credit.trimmed().isEmpty())
        party.credit = QStringLiteral("สด");
    if (!m_repo.insertParty(*m_mode, party)) {
        Prompt::warning(Messages::quickAddFailed());
        return false;
    }
    return true;
}

void DocumentController::setDateText(const QString &text)
{
    if (m_action == Action::Normal)
        return;
    m_doc.header().invDate = text;
}

bool DocumentController::dateEntered(const QString &text)
{
    setDateText(text);
    if (!Text::IsValidDateText(text))
        return false;
    recomputeDue();
    Q_EMIT changed();
    return true;
}

bool DocumentController::dateLeft(const QString &text)
{
    if (m_action == Action::Normal)
        return true;
    setDateText(text);
    if (!Text::IsValidDateText(text)) {
        Prompt::message(Messages::dateInvalidOnLeave());
        return false;
    }
    recomputeDue();
    Q_EMIT changed();
    return true;
}

void DocumentController::setTerm(const QString &term)
{
    if (m_action == Action::Normal)
        return;
    m_term = term;
    recomputeDue();
    Q_EMIT changed();
}

void DocumentController::setSalesperson(const QString &code)
{
    if (m_action == Action::Normal)
        return;
    HeaderValues &h = m_doc.header();
    h.saleNo = code;
    h.saleName.clear();
    for (const SalespersonRecord &s : m_salespeople)
        if (s.code == code)
            h.saleName = fitField(m_mode->headerTable, QStringLiteral("SALE_NAME"), s.name);
    Q_EMIT changed();
}

void DocumentController::setReference(const QString &text)
{
    if (m_action == Action::Normal)
        return;
    m_doc.header().refOrder = fitField(m_mode->headerTable, QStringLiteral("REF_ORDER"), text);
}

bool DocumentController::setBillDiscountText(const QString &text)
{
    if (m_action == Action::Normal)
        return false;
    m_billDiscountText = text;
    return recomputeTotals();
}

void DocumentController::billDiscountTyped(const QString &text)
{
    if (m_action != Action::Normal)
        m_billDiscountText = text;
}

bool DocumentController::recomputeTotals()
{
    const std::optional<double> c = Text::ReadDouble(m_billDiscountText);
    if (!c) {
        Prompt::message(Messages::billDiscountUnreadable());
        return false;
    }
    m_doc.header().custDisc = *c;
    m_totals = computeTotals(m_doc.lines(), m_mode->regime, *c);
    Q_EMIT changed();
    return true;
}

bool DocumentController::askFirstNumber(std::optional<QString> *number)
{
    const std::optional<QString> answer =
        Prompt::input(Messages::firstNumberTitle(), Messages::firstNumberPrompt(), Messages::firstNumberDefault());
    const FirstSequence first = firstSequence(m_head, answer);
    for (const QString &m : first.messages)
        Prompt::message(m);
    *number = first.number;
    return first.number.has_value();
}

SaveOutcome DocumentController::save()
{
    if (m_action == Action::Normal || panelOpen())
        return {};
    HeaderValues &h = m_doc.header();
    if (h.saleNo.trimmed().isEmpty()) {
        Prompt::message(Messages::saveNoSalesperson());
        return {false, SaveField::Salesperson};
    }
    if (!Text::IsValidDateText(h.invDate)) {
        Prompt::message(Messages::saveBadDate());
        return {false, SaveField::Date};
    }

    // The party: the one confirmed while entering; the code box while editing.
    std::optional<PartyRecord> party;
    if (m_action == Action::Add) {
        party = m_party;
    } else if (!m_shown.code.isEmpty() && !m_repo.findParty(*m_mode, m_shown.code, &party)) {
        Prompt::message(Messages::saveFailed());
        return {};
    }

    QStringList messages;
    SaveField focus = SaveField::None;
    if (m_term.isEmpty()) {
        messages.append(Messages::saveTermEmpty());
        focus = SaveField::Term;
    }
    if (!Registers::isCreditTerm(m_term)) {
        messages.append(Messages::saveTermUnknown());
        focus = SaveField::Term;
    }
    if (!party || party->code.trimmed().isEmpty()) {
        messages.append(Messages::saveNoParty());
        if (focus == SaveField::None)
            focus = SaveField::Party;
    }
    if (m_mode->mode == 2 && h.taxRate == 0)
        messages.append(Messages::saveNoTax());
    if (!Text::IsValidDateText(h.invDate)) {
        messages.append(Messages::saveDateDetail());
        if (focus == SaveField::None)
            focus = SaveField::Date;
    }
    if (!messages.isEmpty()) {
        for (const QString &m : messages)
            Prompt::message(m);
        return {false, focus};
    }
    // Amounts and due date from what is on screen now, never left-overs.
    if (!recomputeTotals())
        return {false, SaveField::BillDiscount};
    recomputeDue();

    const QString table = m_mode->headerTable;
    h.custNo = fitField(table, QStringLiteral("CUST_NO"), party->code);
    h.custName = fitField(table, QStringLiteral("CUST_NAME"), m_action == Action::Add ? party->name : m_shown.name);
    h.custCard = fitField(table, QStringLiteral("CUST_CARD"), party->card);
    h.custBirth = fitField(table, QStringLiteral("CUST_BIRTH"), party->birth);
    const bool cash = m_term == QStringLiteral("สด");
    // A recorded payment survives an edit unless the term itself changed.
    if (m_action == Action::Add || m_term != m_doc.originalHeader().custCre)
        h.fgOk = cash ? 1 : 0;
    h.custCre = m_term;
    h.total = toStored(m_totals.net);
    h.tax = toStored(m_totals.tax);
    h.discount = toStored(m_totals.discount);
    h.sumTotal = toStored(m_totals.sum);
    h.fgBill = 0;
    h.invType = QString(m_mode->digit);
    h.pBill = billingKey(h.dueDate, m_head.size() == headLength ? m_head : h.invNo, h.custNo);

    std::optional<QString> first;
    if (m_action == Action::Add) {
        bool any = false;
        if (!m_repo.hasDocuments(*m_mode, m_head, &any)) {
            Prompt::message(Messages::numberingFailed());
            return {};
        }
        // Answered before the saving transaction starts, never inside it.
        if (!any && !askFirstNumber(&first))
            return {};
    }
    SaveResult r = m_repo.save(*m_mode, m_head, m_doc, first);
    if (r.status == SaveStatus::NeedFirstNumber && askFirstNumber(&first))
        r = m_repo.save(*m_mode, m_head, m_doc, first);
    switch (r.status) {
    case SaveStatus::Saved:
        break;
    case SaveStatus::NeedFirstNumber:
        return {};
    case SaveStatus::NumberingFailed:
        Prompt::message(Messages::numberingFailed());
        return {};
    case SaveStatus::Conflict:
    case SaveStatus::Failed:
        Prompt::message(Messages::saveFailed());
        return {};
    }
    m_action = Action::Normal;
    m_exitEnabled = true;
    m_hasDocuments = true;
    m_party.reset();
    show(r.number);
    return {true, SaveField::None};
}

bool DocumentController::beginNewLine()
{
    if (m_action == Action::Normal || panelOpen())
        return false;
    const bool detailsWere = m_entry.detailsShown;
    m_entry = LineEntry{};
    m_entry.detailsShown = m_mode->mode == 9 ? detailsWere : m_mode->detailBoxesOnOpen;
    m_entry.onHandText = QStringLiteral("1");
    m_panel = PanelState::NewLine;
    m_editIndex = -1;
    Q_EMIT changed();
    return true;
}

bool DocumentController::beginEditLine(int index)
{
    if (m_action == Action::Normal || panelOpen() || index < 0 || index >= m_doc.lineCount())
        return false;
    m_entry = LineEntry{};
    m_panel = PanelState::EditLine;
    m_editIndex = index;
    m_entry.codeText = m_doc.line(index).proNo;
    lookupProduct();
    m_entry.discountText = QStringLiteral("0");
    if (m_mode->isSale())
        m_entry.quantityText.clear();
    Q_EMIT changed();
    return true;
}

void DocumentController::codeBoxEntered()
{
    if (!panelOpen())
        return;
    LineEntry &e = m_entry;
    e.stockBoxesShown = true;
    e.listEnabled = true;
    if (m_mode->mode == 9) {
        Q_EMIT changed();
        return;
    }
    const bool order = m_mode->mode == 5;
    e.stockFlag = order ? QStringLiteral("0") : QStringLiteral("1");
    e.indicator = order ? LineEntry::Indicator::Green : LineEntry::Indicator::Blue;
    if (e.kind == LineEntry::Kind::None)
        e.nameText = e.cursorName;
    e.quantityText = QStringLiteral("1");
    Q_EMIT changed();
}

bool DocumentController::lookupProduct()
{
    if (!panelOpen())
        return false;
    LineEntry &e = m_entry;
    e.detailsShown = true;
    e.stockFlag = QStringLiteral("0");
    e.previousQuantity = 0;
    e.onHand = 0;
    std::optional<ProductRecord> product;
    if (!m_repo.findProduct(e.codeText, e.searchByName, &product)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    if (!product) {
        e.listEnabled = false;
        e.stockBoxesShown = false;
        if (!e.codeText.isEmpty()) {
            Prompt::message(Messages::productNotFound());
            e.kind = LineEntry::Kind::None;
            Q_EMIT changed();
            return false;
        }
        // Unit, tax rate and stock field come from the product the list stands on.
        if (!e.cursorCode.isEmpty()) {
            std::optional<ProductRecord> atCursor;
            if (!m_repo.findProduct(e.cursorCode, false, &atCursor)) {
                Prompt::warning(Messages::readFailed());
                return false;
            }
            if (atCursor)
                e.product = atCursor;
        }
        e.kind = LineEntry::Kind::FreeText;
        e.detailsShown = false;
        e.nameText.clear();
        e.onHandText.clear();
        e.unitLabel.clear();
        e.indicator = LineEntry::Indicator::Red;
        Q_EMIT changed();
        return true;
    }
    e.kind = LineEntry::Kind::Product;
    e.product = product;
    e.stockFlag = QStringLiteral("1");
    e.listEnabled = true;
    e.stockBoxesShown = true;
    // A line appended during an edit has nothing filed yet.
    if (m_panel == PanelState::EditLine && !m_doc.isNew()) {
        const DocumentLine *stored = nullptr;
        int seen = -1;
        for (const DocumentLine &l : m_doc.allLines())
            if (l.mark != LineMark::Deleted && ++seen == m_editIndex)
                stored = &l;
        e.previousQuantity = stored && stored->mark != LineMark::New ? stored->original.proQty : 0;
    }
    double onHand = 0;
    if (!m_repo.onHand(product->code, &onHand)) {
        Prompt::warning(Messages::readFailed());
        return false;
    }
    e.onHand = onHand;
    e.indicator = LineEntry::Indicator::Blue;
    if (product->cutStock != QLatin1String("1")) {
        e.onHandText = Messages::noStockTracking();
        e.stockFlag = QStringLiteral("0");
    } else {
        e.onHandText = plainQuantity(onHand);
    }
    e.codeText = product->code;
    e.nameText = product->name;
    if (m_panel == PanelState::EditLine) {
        e.attrib = m_doc.line(m_editIndex).attrib;
        e.attrib2 = m_doc.line(m_editIndex).attrib2;
    } else {
        e.attrib = product->attrib;
        e.attrib2.clear();
    }
    e.unitLabel = product->unit;
    e.warranty = product->warrantyTerm;
    const double price = m_mode->isPurchase() || m_mode->mode == 5 ? product->buyPrice
                                                                    : product->sellPrices[0].value_or(0.0);
    e.priceText = Registers::plainNumber(price);
    if (!m_mode->isSale())
        e.quantityText = QStringLiteral("1");
    Q_EMIT changed();
    return true;
}

void DocumentController::nameBoxEntered()
{
    if (m_entry.kind != LineEntry::Kind::FreeText)
        return;
    m_entry.onHandText.clear();
    m_entry.warranty.clear();
    m_entry.priceText.clear();
    Q_EMIT changed();
}

void DocumentController::confirmFreeName()
{
    if (m_entry.kind != LineEntry::Kind::FreeText)
        return;
    m_entry.warranty.clear();
    m_entry.onHandText = QStringLiteral("0");
    m_entry.quantityText = QStringLiteral("1");
    m_entry.priceText = QStringLiteral("1");
    Q_EMIT changed();
}

void DocumentController::quantityConfirmed()
{
    if (!m_mode->isSale() || m_entry.kind != LineEntry::Kind::Product || !m_entry.product)
        return;
    const std::optional<double> q = Text::ReadDouble(m_entry.quantityText);
    if (!q)
        return;
    m_entry.priceText = proposedPrice(m_settings.scale, *m_entry.product, *q);
    Q_EMIT changed();
}

bool DocumentController::acceptLine()
{
    if (!panelOpen())
        return false;
    LineEntry &e = m_entry;
    if (e.kind == LineEntry::Kind::None) {
        Prompt::message(Messages::nothingLookedUp());
        return false;
    }
    const std::optional<double> q = Text::ReadDouble(e.quantityText);
    if (!q) {
        Prompt::message(Messages::badNumber());
        return false;
    }
    const QString cut = e.product ? e.product->cutStock : QString();
    // A free-text line never touches stock, even after the code box set the flag again.
    const QString flag = e.kind == LineEntry::Kind::FreeText ? QStringLiteral("0") : e.stockFlag;
    if (!stockCheckPasses(m_mode->mode, flag, cut, e.onHand, e.previousQuantity, *q)) {
        Prompt::message(Messages::notEnoughStock());
        if (m_panel == PanelState::NewLine) {
            m_panel = PanelState::Closed;
            m_exitEnabled = true;
            Q_EMIT changed();
        }
        return false;
    }
    const std::optional<double> d = Text::ReadDouble(e.discountText);
    const std::optional<double> p = Text::ReadDouble(e.priceText);
    if (!d || !p) {
        Prompt::message(Messages::badNumber());
        return false;
    }
    LineValues base;
    base.invNo = m_doc.header().invNo;
    if (m_panel == PanelState::EditLine)
        base = m_doc.line(m_editIndex);
    const LineValues line = makeLine(*m_mode, e, *q, *p, *d, Text::TodayText(), base);
    if (m_panel == PanelState::EditLine)
        m_doc.updateLine(m_editIndex, line);
    else
        m_doc.appendLine(line);
    m_panel = PanelState::Closed;
    m_exitEnabled = true;
    recomputeTotals();
    Q_EMIT changed();
    return true;
}

void DocumentController::cancelLine()
{
    if (!panelOpen())
        return;
    m_panel = PanelState::Closed;
    m_exitEnabled = true;
    Q_EMIT changed();
}

bool DocumentController::deleteLine(int index)
{
    if (index < 0 || index >= m_doc.lineCount())
        return false;
    if (!Prompt::question(Messages::deleteLineQuestion()))
        return false;
    if (m_action == Action::Add)
        Prompt::message(Messages::deletePlain());
    if (m_action == Action::Normal || panelOpen())
        return false;
    m_doc.removeLine(index);
    recomputeTotals();
    Q_EMIT changed();
    return true;
}

bool DocumentController::setCell(int index, int column, const QString &text)
{
    if (m_action == Action::Normal || index < 0 || index >= m_doc.lineCount())
        return false;
    LineValues l = m_doc.line(index);
    switch (column) {
    case 0: l.proNo = fitField(m_mode->lineTable, QStringLiteral("PRO_NO"), text); break;
    case 1: l.proName = fitField(m_mode->lineTable, QStringLiteral("PRO_NAME"), text); break;
    case 2: l.attrib = fitField(m_mode->lineTable, QStringLiteral("ATTRIB"), text); break;
    case 4: l.proUnit = fitField(m_mode->lineTable, QStringLiteral("PRO_UNIT"), text); break;
    case 3:
    case 5:
    case 6: {
        const std::optional<double> v = Text::ReadDouble(text);
        if (!v) {
            Prompt::message(Messages::badNumber());
            return false;
        }
        (column == 3 ? l.proQty : column == 5 ? l.unitPrice : l.discount) = column == 5 ? roundTo4(*v) : *v;
        break;
    }
    default:
        return false;
    }
    l.price = linePrice(l.proQty, l.unitPrice, l.discount);
    m_doc.updateLine(index, l);
    recomputeTotals();
    return true;
}

void DocumentController::setUserLevel(int level)
{
    m_userLevel = level;
    Q_EMIT changed();
}

} // namespace Documents
