#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace Documents {

// One header record of Invoice, Order0, Tmpord or Quotation, as far as the
// document window reads or writes it.
struct HeaderValues
{
    QString invNo;
    QString invType;
    QString invDate;
    QString dueDate;
    QString custNo;
    QString custName;
    QString custCard;
    QString custBirth;
    QString saleNo;
    QString saleName;
    QString refOrder;
    QString custCre;
    QString pBill;
    double taxRate = 0;
    double custDisc = 0;
    double total = 0;
    double tax = 0;
    double discount = 0;
    double sumTotal = 0;
    int fgOk = 0;
    int fgBill = 0;

    bool operator==(const HeaderValues &) const = default;
};

// One line record of Invoice1, Order1, Tmpord1 or Quotation1.
struct LineValues
{
    qint64 autoId = 0;  // AUTO; 0 until filed
    QString invNo;
    QString proNo;
    QString proName;
    QString attrib;
    QString attrib2;
    QString proUnit;
    QString warnDate;
    QString cutStock;
    double proQty = 1;
    double unitPrice = 0;
    double discount = 0;
    double price = 0;
    double taxRate = 0;
    double earn = 1;
    std::optional<double> stkPost;  // empty on lines that do not count for stock

    bool operator==(const LineValues &) const = default;
};

enum class LineMark { Unchanged, New, Changed, Deleted };

struct DocumentLine
{
    LineValues values;
    LineValues original;  // as read; meaningless for New
    LineMark mark = LineMark::Unchanged;
};

// The document on screen: header and lines held in memory until the save
// files them together. Deleted lines stay in the list (hidden) so that the
// save knows what to remove.
class Document
{
public:
    Document() = default;
    static Document fromStored(const HeaderValues &header, const QList<LineValues> &lines);
    static Document fresh(const HeaderValues &header);

    bool isNew() const { return m_new; }
    HeaderValues &header() { return m_header; }
    const HeaderValues &header() const { return m_header; }
    const HeaderValues &originalHeader() const { return m_original; }

    // Visible lines, in entry order.
    int lineCount() const;
    const LineValues &line(int index) const;
    int appendLine(const LineValues &values);
    void updateLine(int index, const LineValues &values);
    void removeLine(int index);
    QList<LineValues> lines() const;

    const QList<DocumentLine> &allLines() const { return m_lines; }
    QList<LineValues> originalLines() const;  // as read, for the edit check
    // The lines the save writes (new and changed), and those it removes.
    bool hasChanges() const;

private:
    int storageIndex(int visibleIndex) const;

    HeaderValues m_header;
    HeaderValues m_original;
    QList<DocumentLine> m_lines;
    bool m_new = false;
};

} // namespace Documents
