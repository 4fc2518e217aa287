#pragma once

#include <QString>

// The user's settings file of this program, named after the application. Reading and
// writing never wait: a value that cannot be read is empty, as if never written, and
// a value that cannot be written is left out, with a warning in the log.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // key is "group/name", as QSettings takes it.
    virtual QString value(const QString &key) = 0;
    virtual void setValue(const QString &key, const QString &value) = 0;
};

// The settings file QSettings keeps for the application.
class FileSettingsStore final : public SettingsStore
{
public:
    QString value(const QString &key) override;
    void setValue(const QString &key, const QString &value) override;
};
