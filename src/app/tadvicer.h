#pragma once

#include <QWidget>

namespace App {

// Who to call for help with the program.
class TAdvicer : public QWidget
{
    Q_OBJECT
public:
    explicit TAdvicer(QWidget *parent = nullptr);
};

} // namespace App
