#pragma once

#include <QString>

class QWidget;

// Keeps a top-level window's normal rectangle and its maximised or minimised
// state in a settings section between runs.
class CFramePlacement
{
public:
    explicit CFramePlacement(QString section) : m_section(std::move(section)) {}

    // Gives `window` its stored rectangle and shows it in its stored state;
    // with nothing stored it keeps the size it has and shows normally.
    void Restore(QWidget &window) const;
    void Save(const QWidget &window) const;

private:
    QString m_section;
};
