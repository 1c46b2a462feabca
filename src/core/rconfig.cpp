#include "core/rconfig.h"

#include "core/binaryio.h"
#include "core/filereading.h"
#include "core/filewriting.h"
#include "core/messages.h"
#include "core/units.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char* const ConfigMagic = "%CF2";
const char* const EndMagic = "%KVE";

} // namespace

RConfig::RConfig() : FileName(ProgramFolderFileName()) { ResetAll(); }

QString RConfig::ProgramFolderFileName() {
    QString folder;
    if (QCoreApplication::instance())
        folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return folder + QStringLiteral("Kelvo.cfg");
}

void RConfig::ResetPreferences() {
    AutoCalculate = 0;
    for (int kind = 0; kind < int(DefaultUnits.size()); ++kind)
        DefaultUnits[size_t(kind)] = FactoryDefaultUnit(kind);
    UnknownForeground = 0x00FFFFFF;
    UnknownBackground = 0x00800000;
    Precision = 8;
}

void RConfig::ResetAll() {
    ResetPreferences();
    RecentFiles.clear();
    LastFolder.clear();
    Maximized = 0;
    Left = 16;
    Top = 16;
    Width = 673;
    Height = 495;
}

int RConfig::DefaultUnit(int unitKind) const {
    if (unitKind >= 0 && unitKind < int(DefaultUnits.size()))
        return DefaultUnits[size_t(unitKind)];
    if (unitKind == KindNumber(UnitKind::Dimensionless))
        return 0;
    return -1;
}

void RConfig::AddRecentFile(const QString& path) {
    // A path the file could not hold is not remembered, so that the
    // configuration can always be written.
    if (path.toUtf8().size() > MaxTextBytes)
        return;
    for (int i = 0; i < RecentFiles.size(); ++i) {
        if (RecentFiles[i].compare(path, Qt::CaseInsensitive) == 0) {
            RecentFiles.removeAt(i);
            break;
        }
    }
    RecentFiles.prepend(path);
    while (RecentFiles.size() > MaxRecentFiles)
        RecentFiles.removeLast();
}

void RConfig::SetLastFolder(const QString& folder) {
    if (folder.toUtf8().size() <= MaxTextBytes)
        LastFolder = folder;
}

bool RConfig::Read() {
    QFile file(FileName);
    switch (OpenRegularFile(file)) {
    case OpenOutcome::Opened:
        return ReadFrom(file);
    case OpenOutcome::Unreadable:
        return false;
    case OpenOutcome::NotAFile:
        break;
    }
    RejectFile();
    return false;
}

bool RConfig::ReadFrom(QIODevice& device) {
    BinaryReader reader(device);
    bool ok = reader.CheckMagic(ConfigMagic);
    if (ok) {
        AutoCalculate = reader.ReadInt32();
        for (qint32& unit : DefaultUnits)
            unit = reader.ReadInt32();
        UnknownForeground = quint32(reader.ReadInt32());
        UnknownBackground = quint32(reader.ReadInt32());
        Precision = reader.ReadInt32();
        const qint32 count = reader.ReadInt32();
        RecentFiles.clear();
        // The program keeps four; a few more from another writer are read,
        // a count no real file has ends the reading before anything is held.
        if (count < 0 || count > MaxStoredRecentFiles || count > reader.Remaining() / 4)
            reader.SetError();
        for (qint32 i = 0; i < count && !reader.HasError(); ++i)
            RecentFiles.append(reader.ReadText());
        LastFolder = reader.ReadText();
        Maximized = reader.ReadInt32();
        Left = reader.ReadInt32();
        Top = reader.ReadInt32();
        Width = reader.ReadInt32();
        Height = reader.ReadInt32();
        ok = reader.CheckMagic(EndMagic) && !reader.HasError();
    }
    if (ok)
        return true;
    RejectFile();
    return false;
}

void RConfig::RejectFile() {
    ShowError(QStringLiteral("The configuration file '") + FileName +
              QStringLiteral("' is incorrect. Reseting to defaults."));
    ResetAll();
}

bool RConfig::WriteTo(QIODevice& device) const {
    BinaryWriter writer(device);
    writer.WriteMagic(ConfigMagic);
    writer.WriteInt32(AutoCalculate);
    for (qint32 unit : DefaultUnits)
        writer.WriteInt32(unit);
    writer.WriteInt32(qint32(UnknownForeground));
    writer.WriteInt32(qint32(UnknownBackground));
    writer.WriteInt32(Precision);
    writer.WriteInt32(qint32(RecentFiles.size()));
    for (const QString& path : RecentFiles)
        writer.WriteText(path);
    // The folder is only a convenience: one the file cannot hold is dropped
    // rather than costing the preferences and the placement.
    writer.WriteText(LastFolder.toUtf8().size() <= MaxTextBytes ? LastFolder : QString());
    writer.WriteInt32(Maximized);
    writer.WriteInt32(Left);
    writer.WriteInt32(Top);
    writer.WriteInt32(Width);
    writer.WriteInt32(Height);
    writer.WriteMagic(EndMagic);
    return !writer.HasError();
}

bool RConfig::Write() const {
    // The user's configuration folder may not be there yet.
    QDir().mkpath(QFileInfo(FileName).absolutePath());
    return WriteFileOrSay(FileName, [this](QIODevice& device) { return WriteTo(device); });
}
