#pragma once

#include "models/result.h"

#include <QString>

#include <memory>
#include <optional>

namespace Brindlewick {

class ModelContext;

// The opened store: its main context and, for a file, the lock that keeps other processes out.
class ModelContainer {
public:
    ~ModelContainer();
    ModelContext &mainContext() const { return *m_context; }
    QString path() const { return m_path; }

private:
    friend struct ContainerFactory;
    ModelContainer() = default;
    std::unique_ptr<ModelContext> m_context;
    QString m_path;
    int m_lockFd = -1;
};

// Opens the store under the schema of version 1.0.0. A file of another format, another
// application's database or a newer schema version is refused and left as it is.
struct ContainerFactory {
    static QString configurationName() { return QStringLiteral("Brindlewick"); }
    static Result<std::unique_ptr<ModelContainer>> make(bool inMemory, const std::optional<QString> &url = {});
    // Creates the store folder (0700) when missing and returns the store file's path.
    static QString storeURL();
};

} // namespace Brindlewick
