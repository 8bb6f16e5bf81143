#include "framework/qt/QtProfile.h"

namespace {

QString Key(std::string_view section, std::string_view entry) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

} // namespace

QtProfile::QtProfile(const QString& organisation, const QString& application)
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, organisation, application) {}

std::optional<std::string> QtProfile::Read(std::string_view section, std::string_view entry) {
    const QVariant value = m_settings.value(Key(section, entry));
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtProfile::Write(std::string_view section, std::string_view entry, std::string_view value) {
    m_settings.setValue(Key(section, entry),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtProfile::Remove(std::string_view section, std::string_view entry) {
    m_settings.remove(Key(section, entry));
}

bool QtProfile::Flush(std::string& problem) {
    m_settings.sync();
    // A format error tells of the damaged file just read again and written
    // over; only an access error means the settings did not get there.
    if (m_settings.status() != QSettings::AccessError)
        return true;
    problem = "cannot write " + m_settings.fileName().toStdString();
    return false;
}
