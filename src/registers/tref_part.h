#pragma once

#include "registers/pricelevels.h"
#include "registers/registerwindow.h"
#include "registers/stockstore.h"
#include "tools/labelsheet.h"

#include <memory>

class QLabel;
class QLineEdit;

namespace App {
class AppState;
}

namespace Registers {

// The product register: prices by level, the on-hand quantity, the search by
// code or name and the barcode label sheets.
class TRef_Part : public RegisterWindow
{
    Q_OBJECT
public:
    explicit TRef_Part(App::AppState &state, QWidget *parent = nullptr);

    QString onHandText() const;
    QString thresholdCaptionText(int level) const;
    // The sheet for what this window's code and name boxes hold now.
    Tools::LabelSheet labelSheet(Tools::LabelKind kind) const;

public Q_SLOTS:
    void printCode39Labels();
    void printEan13Labels();

protected:
    std::optional<Refusal> check(const Record &record) const override { return checkProduct(record); }
    bool codeIgnoresCase() const override { return true; }
    Record blankRecord() const override { return newProduct(); }
    void prepareForSave(Record &record, bool isNew) const override { completeProductForSave(record, isNew); }
    void opened() override;
    void shownChanged() override;
    bool enterIn(QWidget *box) override;
    void startSearch() override;

private:
    void printLabels(Tools::LabelKind kind);
    RegisterStore::Order searchOrder() const;
    void searchMoved();

    std::unique_ptr<StockStore> m_stock;
    QLabel *m_onHand = nullptr;
    QLabel *m_unit = nullptr;
    QLabel *m_thresholds[5] = {};
    QLineEdit *m_levelOne = nullptr;
    QLineEdit *m_levelTwo = nullptr;
};

} // namespace Registers
