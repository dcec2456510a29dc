#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QMenuBar;
class QStackedWidget;
class QTextBrowser;
class QTreeWidget;
class QUrl;

// Tomelodex Help: the manual's topics (getting started, adding books,
// categories, searching, backups, keyboard), read from the Help folder
// beside the program in the interface language where it is translated, and
// every command of the menus with its keys and what it does, read from the
// window's own menus so it never differs from them.
class CHelpTopicsDlg : public QDialog
{
    Q_OBJECT

public:
    // The name of the page listing the commands, beside the manual's topics.
    static const QString kCommandsTopic;

    CHelpTopicsDlg(const QMenuBar &menus, QWidget *parent = nullptr);

    // Shows the topic `name` ("searching", or kCommandsTopic); false for a
    // topic the manual lacks.
    bool ShowTopic(const QString &name);
    QString CurrentTopic() const;

    // The manual's topics in reading order (file names without ".html").
    static QStringList TopicNames();
    // The topic's page in `language` ("Ita"), else the English one; empty
    // when neither is installed.
    static QString TopicFile(const QString &appDir, const QString &language, const QString &topic);

private:
    void AddTopics();
    QTreeWidget *MakeCommandList(const QMenuBar &menus);
    void OnTopicChosen(int row);
    void OnPageChanged(const QUrl &source);

    QListWidget *m_topics;
    QStackedWidget *m_pages;
    QTextBrowser *m_page;
    QWidget *m_commandsPage;
};
