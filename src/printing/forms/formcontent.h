#pragma once

#include "printing/forms/documentdata.h"
#include "printing/forms/formchoice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Forms {

// What one form prints, decided by the form, the print mode and kind and the
// settings; positions are the layout's business. An empty text prints
// nothing, but keeps its place: on pre-printed stationery every field has a
// fixed spot.
enum class Paper { Letter, HalfLetter };

enum class Column { LineNo, Code, Name, Qty, Unit, UnitPrice, Discount, Amount };

struct ColumnHeading
{
    Column column;
    QString heading;
    QString english; // second heading line on the bilingual forms
};

struct LineRow
{
    QString lineNo;  // running number from 1
    QString code;    // PRO_NO
    QString name;    // name cell
    QStringList details; // rows under the name (ATTRIB, ATTRIB2)
    QString qty;
    QString unit;
    QString unitPrice;
    QString discount;
    QString amount;
};

enum class TotalRole { Sum, Discount, AfterDiscount, TaxRate, Tax, Grand };

struct TotalRow
{
    TotalRole role;
    QString caption;
    QString english;
    QString rate;    // a percent figure beside the caption
    QString percent; // "%" after the figure
    QString amount;
};

struct Signature
{
    QString caption;
    QString english;
    bool line = true; // the line to sign on
};

struct Margins
{
    double top = 0;
    double left = 0;
    double bottom = 0;
};

struct FormContent
{
    FormId form = FormId::DO8;
    bool amountsValid = true; // false: an amount is out of range, print nothing
    Paper paper = Paper::Letter;
    Margins margins;
    bool frames = true;       // boxes and rules of plain paper
    bool wideLogoStep = false; // the bilingual forms move the company block further

    QByteArray logo;          // empty: no picture
    QString companyName;
    QString companyAddress;
    QString companyContacts;
    QString companyTaxId;

    QString title;
    QString subtitle;

    QString partyCodeCaption;
    QString partyCode;
    QString partyNameCaption;
    QString partyName;
    QString addressCaption;
    QStringList partyAddress;  // one or two lines
    QString refCaption;
    QString ref;

    QString dateCaption;
    QString date;
    QString numberCaption;
    QString number;            // split as SALE-1-000123
    QString staffCaption;
    QString staff;
    QString termCaption;
    QString term;
    QString dueCaption;
    QString due;

    QList<ColumnHeading> columns;
    QList<LineRow> lines;

    QList<TotalRow> totals;
    QString words;             // "<...>", empty when the form prints none
    QString note;
    QStringList payment;       // the payment block, empty when hidden
    QList<Signature> signatures;

    const TotalRow *total(TotalRole role) const;
};

// Number as prefix "-" type digit "-" sequence.
QString splitDocumentNumber(const QString &invNo);

// Bottom margin of a form: never below zero, whatever the top offset holds.
Margins formMargins(FormId form, double prnTop, double prnLeft);

// Builds the content of a form for a document. Lines come out in entry order
// (AUTO), whatever order they were handed in.
FormContent buildContent(FormId form, const DocumentData &data, int printMode, int kind);

} // namespace Forms
