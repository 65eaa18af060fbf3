#include "printing/forms/formcontent.h"

#include "printing/forms/formamounts.h"
#include "printing/forms/formtexts.h"
#include "text/money.h"
#include "text/thaitext.h"

#include <QRegularExpression>

#include <algorithm>

namespace Forms {

namespace {

using Text::Money;

const QString AmountPattern = QStringLiteral("###,###,##0.00");
const QString BilingualPattern = QStringLiteral("##,###,##0.00");

enum class Family {
    Reference, // TPrnDO8, TPrnDO9, TPrnDOSpecial, TPrn_RR
    Bilingual, // TPrnDO2, TPrnDO1
    Half,      // TPrnDO9s, TPrnDO4s
    Order,     // TPrnORD3
    Quotation, // TPrnQUO3
};

Family familyOf(FormId form)
{
    switch (form) {
    case FormId::DO2:
    case FormId::DO1: return Family::Bilingual;
    case FormId::DO9s:
    case FormId::DO4s: return Family::Half;
    case FormId::ORD3: return Family::Order;
    case FormId::QUO3: return Family::Quotation;
    default: return Family::Reference;
    }
}

bool detailRowsOf(FormId form)
{
    return form == FormId::DO8 || form == FormId::DO9 || form == FormId::DOSpecial
        || form == FormId::RR || form == FormId::ORD3 || form == FormId::QUO3;
}

bool filled(const QString &text) { return !text.trimmed().isEmpty(); }

// Parts joined as given, each left out when its field is empty.
QString joinParts(std::initializer_list<std::pair<QString, QString>> parts)
{
    QString out;
    for (const auto &[lead, field] : parts)
        if (filled(field))
            out += lead + field.trimmed();
    return out.trimmed();
}

QString rateText(double rate) { return Text::PlainNumber(rate); }

struct Titles { QString title, subtitle; };

Titles titlesOf(FormId form, int printMode, int kind)
{
    if (kind == 0)
        return {};
    switch (familyOf(form)) {
    case Family::Order: return {Tx::OrderTitle, Tx::OrderSubtitle};
    case Family::Quotation: return {Tx::QuotationTitle, Tx::QuotationSubtitle};
    case Family::Half:
        if (printMode == 3 || printMode == 4)
            return {Tx::OrderTitle, {}};
        if (printMode == 1)
            return {kind == 1 ? Tx::DeliveryTitle : Tx::ReceiptTitle, {}};
        if (printMode == 2)
            return {kind == 1 ? Tx::TaxInvoiceTitle : Tx::ReceiptTaxInvoiceTitle, {}};
        return {};
    case Family::Bilingual:
        if (printMode == 1)
            return kind == 1 ? Titles{Tx::TempDeliveryTitle, Tx::TempDeliverySubtitle}
                             : Titles{Tx::ReceiptTitle, Tx::ReceiptSubtitle};
        if (printMode == 2)
            return kind == 1 ? Titles{Tx::TaxInvoiceAndTitle, Tx::TaxInvoiceSubtitle}
                             : Titles{Tx::ReceiptTaxInvoiceTitle, Tx::ReceiptTaxInvoiceSubtitle};
        return {};
    case Family::Reference:
        if (form == FormId::RR)
            return {};
        if (printMode == 1) {
            if (kind == 1)
                return form == FormId::DOSpecial ? Titles{Tx::BookingTitle, {}}
                                                 : Titles{Tx::DeliveryTitle, Tx::DeliverySubtitle};
            return {Tx::ReceiptTitle, Tx::ReceiptSubtitle};
        }
        if (printMode == 2)
            return kind == 1 ? Titles{Tx::TaxInvoiceTitle, Tx::TaxInvoiceSubtitle}
                             : Titles{Tx::ReceiptTaxInvoiceTitle, Tx::ReceiptTaxInvoiceSubtitle};
        return {};
    }
    return {};
}

QList<ColumnHeading> columnsOf(FormId form)
{
    QList<ColumnHeading> c;
    switch (form) {
    case FormId::DO9s: c << ColumnHeading{Column::Code, Tx::ColCodeShort, {}}; break;
    case FormId::DO4s: c << ColumnHeading{Column::LineNo, Tx::ColLineNoShort, {}}; break;
    case FormId::DO9: c << ColumnHeading{Column::LineNo, Tx::ColLineNo, {}}; break;
    case FormId::DO2: c << ColumnHeading{Column::Code, Tx::ColCode, Tx::ColCodeEnglish}; break;
    case FormId::DO1: c << ColumnHeading{Column::LineNo, Tx::ColLineNoBilingual, Tx::ColLineNoEnglish}; break;
    case FormId::DOSpecial: c << ColumnHeading{Column::LineNo, Tx::ColLineNo, {}}; break;
    case FormId::RR:
        c << ColumnHeading{Column::LineNo, Tx::ColLineNo, {}} << ColumnHeading{Column::Code, Tx::ColCode, {}};
        break;
    default: c << ColumnHeading{Column::Code, Tx::ColCode, {}}; break;
    }
    c << ColumnHeading{Column::Name, Tx::ColName, {}} << ColumnHeading{Column::Qty, Tx::ColQty, {}}
      << ColumnHeading{Column::Unit, Tx::ColUnit, {}}
      << ColumnHeading{Column::UnitPrice, Tx::ColUnitPrice, {}};
    if (form != FormId::DOSpecial && form != FormId::RR)
        c << ColumnHeading{Column::Discount, Tx::ColDiscount, {}};
    c << ColumnHeading{Column::Amount, Tx::ColAmount, {}};
    return c;
}

QList<LineRow> lineRowsOf(FormId form, QList<LineData> lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const LineData &a, const LineData &b) { return a.autoNo < b.autoNo; });
    const bool details = detailRowsOf(form);
    QList<LineRow> rows;
    rows.reserve(lines.size());
    int number = 0;
    for (const LineData &l : lines) {
        LineRow r;
        r.lineNo = QString::number(++number);
        r.code = l.proNo.trimmed();
        if (details) {
            r.name = l.proName.trimmed();
            if (filled(l.attrib2))
                r.details << l.attrib.trimmed() << l.attrib2.trimmed();
            else if (filled(l.attrib))
                r.details << l.attrib.trimmed();
        } else {
            r.name = filled(l.attrib) ? l.proName.trimmed() + QLatin1Char(' ') + l.attrib.trimmed()
                                      : l.proName.trimmed();
        }
        r.qty = Text::FormatDouble(l.proQty, AmountPattern);
        r.unit = l.proUnit.trimmed();
        r.unitPrice = Text::FormatDouble(l.unitPrice, BilingualPattern);
        r.discount = Text::PlainNumber(l.discount);
        r.amount = Text::FormatDouble(l.price, AmountPattern);
        rows << r;
    }
    return rows;
}

} // namespace

const TotalRow *FormContent::total(TotalRole role) const
{
    for (const TotalRow &row : totals)
        if (row.role == role)
            return &row;
    return nullptr;
}

QString splitDocumentNumber(const QString &invNo)
{
    const QString n = invNo.trimmed();
    if (n.size() <= 4)
        return n;
    if (n.size() == 5)
        return n.left(4) + QLatin1Char('-') + n.mid(4, 1);
    return n.left(4) + QLatin1Char('-') + n.mid(4, 1) + QLatin1Char('-') + n.mid(5);
}

Margins formMargins(FormId form, double prnTop, double prnLeft)
{
    // Offsets outside the ranges the settings window offers are held at its
    // limits; a bottom margin below zero would push the footer off the sheet.
    const double top = std::clamp(prnTop, 0.0, 50.0);
    const double left = std::clamp(prnLeft, 0.0, 30.0);
    double bottom;
    switch (familyOf(form)) {
    case Family::Half: bottom = 22.0 - top; break;
    case Family::Bilingual: bottom = 9.9; break;
    default: bottom = 12.5 - top; break;
    }
    return Margins{top, left, std::max(0.0, bottom)};
}

FormContent buildContent(FormId form, const DocumentData &data, int printMode, int kind)
{
    const Family family = familyOf(form);
    const Data::BusinessSettings &s = data.settings;
    const HeaderData &h = data.header;
    const PartyData &p = data.party;
    const bool half = family == Family::Half;
    const bool bilingual = family == Family::Bilingual;
    const bool vat = printMode == 2 || printMode == 4;

    FormContent c;
    c.form = form;
    c.paper = half ? Paper::HalfLetter : Paper::Letter;
    c.margins = formMargins(form, s.prnTop, s.prnLeft);
    c.wideLogoStep = bilingual;

    // Company block.
    const bool strictLogo = family == Family::Order || family == Family::Quotation;
    const bool logoOn = strictLogo ? s.line4 == QLatin1String("1") : s.line4 != QLatin1String("0");
    if (logoOn)
        c.logo = s.logo;
    c.companyName = s.name.trimmed();
    c.companyAddress = joinParts({{QString(), s.address1}, {QStringLiteral(" "), s.address2},
                                  {QStringLiteral(" "), s.province}, {QStringLiteral(" "), s.zip}});
    c.companyContacts = joinParts({{Tx::TelLead, s.tel}, {Tx::FaxLead, s.fax}, {Tx::EmailLead, s.email}});
    if (filled(s.taxId))
        c.companyTaxId = Tx::TaxIdCaption + s.taxId.trimmed();

    const Titles t = titlesOf(form, printMode, kind);
    c.title = t.title;
    c.subtitle = t.subtitle;

    // Party box.
    c.partyCodeCaption = Tx::CustomerCode;
    c.partyNameCaption = Tx::CustomerName;
    if (family == Family::Order) {
        c.partyCodeCaption = Tx::SupplierCode;
        c.partyNameCaption = Tx::Supplier;
    } else if (family == Family::Quotation) {
        c.partyCodeCaption = Tx::BuyerCode;
        c.partyNameCaption = Tx::Buyer;
    } else if (half && (printMode == 3 || printMode == 4)) {
        c.partyNameCaption = Tx::Supplier;
    }
    c.partyCode = h.custNo.trimmed();
    c.partyName = h.custName.trimmed();
    c.addressCaption = Tx::Address;
    if (bilingual) {
        c.partyAddress << joinParts({{QString(), p.add1}, {QStringLiteral(" "), p.add2},
                                     {QStringLiteral(" "), p.add4}, {QStringLiteral(" "), p.zip},
                                     {Tx::TelLead, p.tel}});
    } else if (family == Family::Quotation) {
        c.partyAddress << joinParts({{QString(), p.add1}, {QStringLiteral(" "), p.add2}})
                       << joinParts({{QString(), p.add4}, {Tx::TelLead, p.tel}});
    } else {
        c.partyAddress << joinParts({{QString(), p.add1}, {QStringLiteral(" "), p.add2}})
                       << joinParts({{QStringLiteral(" "), p.add4}, {QStringLiteral(" "), p.zip},
                                     {Tx::TelLead, p.tel}, {Tx::FaxLead, p.fax}});
    }
    c.refCaption = Tx::Reference;
    c.ref = h.refOrder.trimmed();

    // Document box.
    c.dateCaption = Tx::Date;
    c.date = h.invDate.trimmed();
    c.numberCaption = Tx::Number;
    c.number = splitDocumentNumber(h.invNo);
    c.staffCaption = Tx::Salesperson;
    c.staff = h.saleNo.trimmed();
    c.termCaption = Tx::Term;
    c.term = h.custCre.trimmed();
    c.dueCaption = Tx::DueDate;
    if (s.printDay != QLatin1String("0"))
        c.due = h.dueDate.trimmed();

    c.columns = columnsOf(form);
    c.lines = lineRowsOf(form, data.lines);

    // Amounts.
    const TaxRule rule = taxRuleFor(family == Family::Quotation, family == Family::Order, printMode);
    const auto amounts = computeAmounts(data.lines, h.custDisc, h.taxRate, rule);
    c.amountsValid = amounts.has_value();
    const FormAmounts a = amounts.value_or(FormAmounts{});
    const QString pattern = bilingual ? BilingualPattern : AmountPattern;
    auto money = [&](Money m) { return Text::FormatNumber(m, pattern); };
    const bool discountOn = h.custDisc > 0 && rule != TaxRule::PerLine;

    TotalRow sum{TotalRole::Sum, Tx::SumCaption, {}, {}, {}, money(a.sum)};
    TotalRow discount{TotalRole::Discount, Tx::DiscountCaption, {}, {}, {}, {}};
    TotalRow after{TotalRole::AfterDiscount, Tx::AfterDiscountCaption, {}, {}, {}, money(a.afterDiscount)};
    TotalRow taxRate{TotalRole::TaxRate, {}, {}, {}, {}, {}};
    TotalRow tax{TotalRole::Tax, {}, {}, {}, {}, {}};
    TotalRow grand{TotalRole::Grand, Tx::GrandCaption, {}, {}, {}, money(a.grand)};
    if (discountOn) {
        discount.rate = rateText(h.custDisc);
        discount.percent = QStringLiteral("%");
        discount.amount = money(a.discount);
    }

    switch (family) {
    case Family::Bilingual:
        discount.amount = money(a.discount);
        tax.amount = money(a.tax);
        if (vat) {
            taxRate.caption = Tx::TaxRateCaption;
            taxRate.english = Tx::TaxRateEnglish;
            taxRate.rate = rateText(h.taxRate);
            taxRate.percent = QStringLiteral("%");
            tax.caption = Tx::TaxBilingualCaption;
        }
        break;
    case Family::Half:
        if (!discountOn)
            discount = TotalRow{TotalRole::Discount, {}, {}, {}, {}, {}},
            after = TotalRow{TotalRole::AfterDiscount, {}, {}, {}, {}, {}};
        if (h.taxRate > 0) {
            tax.caption = Tx::TaxCaption;
            tax.rate = rateText(h.taxRate);
            tax.percent = vat ? QStringLiteral("%") : QString();
            tax.amount = money(a.tax);
        }
        break;
    case Family::Order:
        break;
    case Family::Quotation:
        if (h.taxRate > 0) {
            tax.caption = Tx::TaxCaption;
            tax.rate = QStringLiteral("7");
            tax.percent = QStringLiteral("%");
            tax.amount = money(a.tax);
        }
        break;
    case Family::Reference:
        if (vat) {
            tax.caption = Tx::TaxCaption;
            tax.rate = rateText(h.taxRate);
            tax.percent = QStringLiteral("%");
            tax.amount = money(a.tax);
        }
        break;
    }
    c.totals = {sum, discount, after};
    if (bilingual)
        c.totals << taxRate;
    c.totals << tax << grand;

    if (!half) {
        const QString figure = Text::FormatNumber(a.grand, u"########0.00");
        c.words = QLatin1Char('<') + Text::BahtText(figure) + QLatin1Char('>');
    }

    // Note, payment block and signatures.
    c.note = family == Family::Order ? Tx::OrderNote
        : family == Family::Quotation ? Tx::QuotationNote : Tx::ReceivedNote;
    const bool receipt = kind == 2 && family != Family::Order && family != Family::Quotation;
    if (receipt)
        c.payment = Tx::paymentBlock();
    switch (family) {
    case Family::Order:
        c.signatures = {{Tx::SignOrderer, {}}, {Tx::SignApprover, {}}, {Tx::SignManager, {}}};
        break;
    case Family::Quotation:
        c.signatures = {{Tx::SignQuoter, {}}, {Tx::SignApprover, {}}};
        break;
    case Family::Half:
        if (receipt)
            c.signatures = {{Tx::SignCollector, {}}, {Tx::SignReceiver, {}}};
        else
            c.signatures = {{Tx::SignSender, {}}, {Tx::SignReceiver, {}}};
        break;
    case Family::Bilingual:
        c.signatures = {{Tx::SignReceiver, Tx::SignReceiverEnglish},
                        {Tx::SignSender, Tx::SignSenderEnglish},
                        {receipt ? Tx::SignCollector : QString(), receipt ? Tx::SignCollectorEnglish : QString(), receipt},
                        {Tx::SignManager, {}}};
        break;
    case Family::Reference:
        c.signatures = {{Tx::SignReceiver, {}}, {Tx::SignSender, {}},
                        {receipt ? Tx::SignCollector : QString(), {}, receipt},
                        {Tx::SignManager, {}}};
        break;
    }

    // Stationery: pre-printed forms and the document set print data only.
    const bool documentSet = kind == 0;
    const bool preprinted = s.line1 == QLatin1String("0") || documentSet;
    if (bilingual) {
        if (preprinted) {
            c.frames = false;
            c.note.clear();
            for (Signature &sig : c.signatures)
                sig.caption.clear(), sig.english.clear();
        }
    } else if (preprinted || form == FormId::RR) {
        c.frames = false;
        for (QString *caption : {&c.partyCodeCaption, &c.partyNameCaption, &c.addressCaption,
                                 &c.refCaption, &c.dateCaption, &c.numberCaption,
                                 &c.staffCaption, &c.termCaption, &c.dueCaption})
            caption->clear();
        for (ColumnHeading &col : c.columns)
            col.heading.clear(), col.english.clear();
        for (TotalRow &row : c.totals)
            row.caption.clear(), row.english.clear(), row.percent.clear();
        c.note.clear();
        c.payment.clear();
        for (Signature &sig : c.signatures)
            sig.caption.clear(), sig.english.clear(), sig.line = false;
    }
    if (documentSet)
        c.payment.clear();
    return c;
}

} // namespace Forms
