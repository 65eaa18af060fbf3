#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace Registers {

// One field a register window shows and writes: text of at most `width`
// characters, or a floating-point number when `width` is 0.
struct FieldDef
{
    QString name;
    int width = 0;
    bool isNumber() const { return width == 0; }
};

// The part of a register table that its window works on.
struct TableDef
{
    QString table;
    QString keyField;
    QString nameField;
    QList<FieldDef> fields;   // the key first, in screen order
    // Fields the window never shows that a save sets to 0 when blank.
    QStringList zeroWhenBlank;

    const FieldDef *field(const QString &name) const;
};

const TableDef &customerTable();
const TableDef &supplierTable();
const TableDef &salespersonTable();
const TableDef &productTable();

// A row by upper-case field name. Blank numbers are absent or null; blank
// texts are empty.
class Record
{
public:
    QString text(const QString &field) const { return m_values.value(field).toString(); }
    std::optional<double> number(const QString &field) const;
    bool isBlank(const QString &field) const;
    QVariant value(const QString &field) const { return m_values.value(field); }
    void set(const QString &field, const QVariant &value) { m_values.insert(field, value); }
    void setNumber(const QString &field, const std::optional<double> &value);
    void clear(const QString &field) { m_values.remove(field); }
    bool contains(const QString &field) const { return m_values.contains(field); }
    QStringList fields() const { return m_values.keys(); }

    bool operator==(const Record &other) const = default;

private:
    QHash<QString, QVariant> m_values;
};

} // namespace Registers
