#pragma once

#include <QString>
#include <QStringList>

#include <array>

class QIODevice;

// The user's preferences and what the program remembers between runs, kept
// in the configuration file "Kelvo.cfg".
class RConfig final {
public:
    // Initial values throughout; FileName is "Kelvo.cfg" in the program's folder.
    RConfig();

    QString FileName;
    qint32 AutoCalculate = 0;
    quint32 UnknownForeground = 0; // 0x00BBGGRR
    quint32 UnknownBackground = 0; // 0x00BBGGRR
    QStringList RecentFiles;       // most recent first
    QString LastFolder;
    qint32 Precision = 8;
    qint32 Maximized = 0;
    qint32 Left = 16;
    qint32 Top = 16;
    qint32 Width = 673;
    qint32 Height = 495;
    std::array<qint32, 16> DefaultUnits{}; // unit kinds 0 to 15

    static constexpr int MaxRecentFiles = 4;
    // The most recent files a configuration file may list.
    static constexpr int MaxStoredRecentFiles = 16;

    // Reads FileName. A missing file returns false quietly; a damaged one is
    // reported, and every member but FileName then takes its initial value.
    bool Read();
    // Writes FileName, replacing it only once the new file is complete (in
    // place where the folder allows no new file); a missing folder is made.
    bool Write() const;
    // The same on any device; Read reports damage in FileName's name.
    bool ReadFrom(QIODevice& device);
    bool WriteTo(QIODevice& device) const;

    // Automatic calculation, the default units, both colours and the precision
    // back to their initial values; recent files, folder and placement stay.
    void ResetPreferences();
    // Kinds 0 to 15: the stored default; 16 (dimensionless): 0; others: -1.
    int DefaultUnit(int unitKind) const;
    // Puts the path at the front (a differently cased duplicate is removed)
    // and keeps at most four entries.
    void AddRecentFile(const QString& path);
    // A folder longer than the file can hold is not remembered; the folder
    // remembered before stays.
    void SetLastFolder(const QString& folder);

    // "Kelvo.cfg" in the folder of the running program.
    static QString ProgramFolderFileName();

private:
    void ResetAll();
    // Reports a damaged or foreign file and takes the initial values.
    void RejectFile();
};
