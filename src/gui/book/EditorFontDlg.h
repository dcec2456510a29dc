#pragma once

#include <QColor>
#include <QDialog>

class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// Chooses the face, the size (the seven sizes of HTML text) and the colour
// of the selected text; shows a sample.
class CEditorFontDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CEditorFontDlg(QWidget *parent = nullptr);

    // What the selection has now; `size` 0 when it is mixed or unknown.
    void SetCurrent(const QString &face, int size, const QColor &color);

    QString Face() const;
    int Size() const; // 1 to 7, or 0 for no size chosen
    QColor Color() const { return m_color; }

private:
    void OnChooseColor();
    void UpdateSample();

    QFontComboBox *m_face = nullptr;
    QComboBox *m_size = nullptr;
    QPushButton *m_colorButton = nullptr;
    QLabel *m_sample = nullptr;
    QColor m_color = Qt::black;
};

// The first family of a CSS font list ("'Tahoma', Verdana" gives Tahoma).
QString FirstFontFamily(const QString &cssFamilies);
// A CSS colour as the engine reports it ("rgb(1, 2, 3)", "#010203").
QColor ColorFromCss(const QString &css);
