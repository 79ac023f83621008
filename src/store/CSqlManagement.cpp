#include "store/CSqlManagement.h"

#include "core/paths.h"
#include "link/log.h"
#include "shell/lang/language.h"
#include "store/store_schema.h"

#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace cpe {
namespace {

constexpr const char* kDatabaseName = "data.mdb";
constexpr int kExecuteAttempts = 3;
// A scratch database for one process, deleted at exit: durability buys nothing, and with one
// connection an exclusive lock spares the file locking of every statement.
constexpr const char* kScratchPragmas =
    "PRAGMA synchronous=OFF;PRAGMA journal_mode=MEMORY;PRAGMA temp_store=MEMORY;"
    "PRAGMA locking_mode=EXCLUSIVE;PRAGMA cache_size=-65536;"
    "PRAGMA mmap_size=268435456";

std::mutex& DefaultNotifierLock() {
    static std::mutex lock;
    return lock;
}

CSqlManagement::Notifier& DefaultNotifier() {
    static CSqlManagement::Notifier notifier;
    return notifier;
}

// The database file and whatever SQLite may have left beside it after a crash (a hot journal
// left next to a fresh file would be rolled back into it).
void RemoveDatabaseFiles(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        std::filesystem::remove(path.string() + suffix, ec);
    }
}

} // namespace

CSqlManagement::CSqlManagement(const std::filesystem::path& folder, Notifier notifier)
    : path_(folder / kDatabaseName) {
    RemoveDatabaseFiles(path_);
    CreateDatabase();
    bool opened = false;
    {
        Operation op(*this);
        opened = OpenConnection();
        if (!opened) {
            LOG_ERROR("%s", db_.LastError().c_str());
            db_.Close();
        }
    }
    if (!opened) {
        std::string message = TranslateText("Failed to open database, unable to get data.");
        if (notifier) {
            notifier(message);
        } else {
            std::fprintf(stderr, "%s\n", message.c_str());
        }
    }
}

CSqlManagement::~CSqlManagement() {
    {
        Operation op(*this);
        statements_.clear();
        db_.Close();
    }
    RemoveDatabaseFiles(path_);
}

CSqlManagement& CSqlManagement::GetInstance() {
    static CSqlManagement store(CurrentAppPaths().dataDir, [] {
        std::lock_guard guard(DefaultNotifierLock());
        return DefaultNotifier();
    }());
    return store;
}

void CSqlManagement::SetDefaultNotifier(Notifier notifier) {
    std::lock_guard guard(DefaultNotifierLock());
    DefaultNotifier() = std::move(notifier);
}

bool CSqlManagement::CreateDatabase() {
    std::error_code ec;
    if (std::filesystem::exists(path_, ec) || ec) {
        return false; // could not be deleted: used as it is
    }
    // The file holds wireless keys: only its owner may read it.
    int fd = ::open(path_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        LOG_ERROR("cannot create %s", path_.c_str());
        return false;
    }
    ::close(fd);
    {
        Operation op(*this);
        if (!OpenConnection()) {
            LOG_ERROR("%s", db_.LastError().c_str());
            db_.Close();
            return false;
        }
    }
    // A failing statement does not stop the ones after it.
    for (const std::string& sql : store_schema::SchemaStatements()) {
        ExecuteSql(sql);
    }
    Operation op(*this);
    db_.Close();
    return true;
}

bool CSqlManagement::OpenConnection() {
    return db_.Open(path_) && db_.Execute(kScratchPragmas);
}

bool CSqlManagement::IsOpen() {
    Operation op(*this);
    return db_.IsOpen();
}

bool CSqlManagement::ExecuteSql(std::string_view sql) {
    for (int attempt = 0; attempt < kExecuteAttempts; ++attempt) {
        Operation op(*this);
        if (!db_.IsOpen()) {
            continue;
        }
        if (db_.Execute(sql)) {
            return true;
        }
        LOG_ERROR("%s", db_.LastError().c_str());
    }
    return false;
}

SqliteStatement* CSqlManagement::Statement(const std::string& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end()) {
        std::unique_ptr<SqliteStatement> statement = db_.Prepare(sql);
        if (!statement) {
            LOG_ERROR("%s", db_.LastError().c_str());
            return nullptr;
        }
        it = statements_.emplace(sql, std::move(statement)).first;
    }
    it->second->Reset();
    used_.push_back(it->second.get());
    return it->second.get();
}

CSqlManagement::Operation::~Operation() {
    for (SqliteStatement* statement : store_.used_) {
        statement->Reset();
    }
    store_.used_.clear();
}

} // namespace cpe
