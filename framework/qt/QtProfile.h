#pragma once

#include "framework/Profile.h"

#include <QSettings>
#include <QString>

// Profile settings in QSettings under an organisation and an application
// (on Linux the file ~/.config/ORGANISATION/APPLICATION.conf). A file that
// cannot be read reads as empty; of a damaged file, what can be read is
// kept and the rest dropped, and it is written afresh when the settings are
// flushed.
class QtProfile : public ProfileStore {
public:
    QtProfile(const QString& organisation, const QString& application);

    std::optional<std::string> Read(std::string_view section, std::string_view entry) override;
    void Write(std::string_view section, std::string_view entry, std::string_view value) override;
    void Remove(std::string_view section, std::string_view entry) override;
    bool Flush(std::string& problem) override;

    QString FileName() const { return m_settings.fileName(); }

private:
    QSettings m_settings;
};
