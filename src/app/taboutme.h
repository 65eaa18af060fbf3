#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace App {

// The About window: the program's licence text read from velmoralc30.txt
// beside the program.
class TAboutMe : public QWidget
{
    Q_OBJECT
public:
    explicit TAboutMe(const QString &textFile = QString(), QWidget *parent = nullptr);
    QString text() const;

    static QString defaultTextFile();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadText();

    QString m_textFile;
    QPlainTextEdit *m_text = nullptr;
    bool m_firstShow = true;
};

} // namespace App
