#pragma once

#include "book/BookSheetPage.h"

#include <QFrame>
#include <QGroupBox>

class CPictureCtrl;
class QLineEdit;

// A cover picture in a sunken frame, stretched to fill it; the built-in
// placeholder when there is no picture or it cannot be read. While it shows
// a picture file, the pointer is a hand and a click opens the file in the
// desktop's picture viewer.
class CCoverView : public QFrame
{
public:
    explicit CCoverView(QWidget *parent = nullptr);

    void Show(const QString &path);
    bool ShowsPlaceholder() const { return m_placeholder; }
    CPictureCtrl &Picture() const { return *m_picture; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void FitPicture();

    CPictureCtrl *m_picture;
    QString m_path;
    bool m_placeholder = true;
};

// One side of the book (front or back): its picture, the path of the file
// and the buttons to choose another file or none.
class CCoverBox : public QGroupBox
{
    Q_OBJECT

public:
    // `name` is the object name; its parts are named after it ("FrontCoverPath").
    CCoverBox(const QString &title, const QString &name, const QString &browseText,
              const QString &clearText, QWidget *parent = nullptr);

    // Sets the path; the picture is read when the box is first shown.
    void SetPath(const QString &path);
    QString Path() const { return m_path; }
    CCoverView &View() const { return *m_view; }

    void OnBrowse();
    void OnClear();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void ShowPicture();

    CCoverView *m_view;
    QLineEdit *m_pathEdit;
    QString m_path;
    bool m_pictureShown = false;
};

// The Covers page: the front and back pictures side by side. It works with
// full paths only; the save of the book copies a chosen picture into the
// library's images folder.
class CBookCoversPage : public CBookSheetPage
{
    Q_OBJECT

public:
    explicit CBookCoversPage(QWidget *parent = nullptr);

    QString Caption() const override { return tr("&Covers"); }
    // A new book shows the pictures its lookup fetched; a stored one those
    // in the images folder.
    void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) override;
    void StoreTo(CBookRecord &book) const override;

    CCoverBox &Front() const { return *m_front; }
    CCoverBox &Back() const { return *m_back; }

private:
    CCoverBox *m_front;
    CCoverBox *m_back;
};
