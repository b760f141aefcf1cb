// GIO is included before Qt: its headers use "signals" as a member name, which Qt defines away.
#include <gio/gio.h>

#include "platform/LinuxShell.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace hovlo::platform {

namespace {

struct GObjectDeleter {
    void operator()(gpointer object) const {
        if (object)
            g_object_unref(object);
    }
};
template <class T> using GRef = std::unique_ptr<T, GObjectDeleter>;

struct GFreeDeleter {
    void operator()(gpointer memory) const { g_free(memory); }
};
using GText = std::unique_ptr<char, GFreeDeleter>;

// What a name stands for: an address with a scheme of its own, or a local path.
struct TTarget {
    std::string Uri;      // set for addresses ("https:", "mailto:")
    std::string Scheme;   // of the address
    std::string Path;     // set for local files, absolute
    int Error = kShellOk; // kShellFileNotFound or kShellPathNotFound for missing paths
};

TTarget Resolve(const std::string& file, const std::string& directory) {
    TTarget target;
    if (GText scheme{g_uri_parse_scheme(file.c_str())}) {
        if (g_ascii_strcasecmp(scheme.get(), "file") != 0) {
            target.Uri = file;
            target.Scheme = scheme.get();
            return target;
        }
        GText path{g_filename_from_uri(file.c_str(), nullptr, nullptr)};
        if (!path) {
            target.Error = kShellFileNotFound;
            return target;
        }
        target.Path = path.get();
    } else {
        std::filesystem::path path(file);
        if (path.is_relative()) {
            std::error_code error;
            const std::filesystem::path base = directory.empty()
                                                   ? std::filesystem::current_path(error)
                                                   : std::filesystem::path(directory);
            path = base / path;
        }
        target.Path = path.lexically_normal().string();
    }
    std::error_code error;
    const std::filesystem::path path(target.Path);
    if (!std::filesystem::is_directory(path.parent_path(), error))
        target.Error = kShellPathNotFound;
    else if (!std::filesystem::exists(path, error))
        target.Error = kShellFileNotFound;
    return target;
}

std::string ContentType(const std::string& path) {
    GRef<GFile> file{g_file_new_for_path(path.c_str())};
    GRef<GFileInfo> info{g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                           G_FILE_QUERY_INFO_NONE, nullptr, nullptr)};
    if (info) {
        if (const char* type = g_file_info_get_content_type(info.get()))
            return type;
    }
    GText guessed{g_content_type_guess(path.c_str(), nullptr, 0, nullptr)};
    return guessed ? guessed.get() : std::string();
}

GRef<GAppInfo> DefaultApplication(const TTarget& target) {
    if (!target.Uri.empty())
        return GRef<GAppInfo>{g_app_info_get_default_for_uri_scheme(target.Scheme.c_str())};
    const std::string type = ContentType(target.Path);
    if (type.empty())
        return nullptr;
    return GRef<GAppInfo>{g_app_info_get_default_for_type(type.c_str(), FALSE)};
}

bool Launch(GAppInfo* application, const TTarget& target) {
    if (!target.Uri.empty()) {
        GList uris{const_cast<char*>(target.Uri.c_str()), nullptr, nullptr};
        return g_app_info_launch_uris(application, &uris, nullptr, nullptr);
    }
    GRef<GFile> file{g_file_new_for_path(target.Path.c_str())};
    GList files{file.get(), nullptr, nullptr};
    return g_app_info_launch(application, &files, nullptr, nullptr);
}

bool IsOpenVerb(const std::string& verb) {
    return verb.empty() || g_ascii_strcasecmp(verb.c_str(), "open") == 0;
}

} // namespace

int TLinuxShell::ShellExecute(const std::string& verb, const std::string& file,
                              const std::string& /*parameters*/, const std::string& directory,
                              int /*showCommand*/) {
    if (file.empty())
        return kShellFileNotFound;
    if (!IsOpenVerb(verb))
        return kShellNoAssociation;
    const TTarget target = Resolve(file, directory);
    if (target.Error != kShellOk)
        return target.Error;
    const GRef<GAppInfo> application = DefaultApplication(target);
    if (!application || !Launch(application.get(), target))
        return kShellNoAssociation;
    return kShellOk;
}

int TLinuxShell::FindExecutable(const std::string& file, const std::string& directory) {
    if (file.empty())
        return kShellFileNotFound;
    const TTarget target = Resolve(file, directory);
    if (target.Error != kShellOk)
        return target.Error;
    return DefaultApplication(target) ? kShellOk : kShellNoAssociation;
}

bool TLinuxShell::StartProcess(const std::string& program,
                               const std::vector<std::string>& arguments, bool wait) {
    QStringList argv;
    for (const auto& argument : arguments)
        argv << QString::fromStdString(argument);

    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(argv);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!wait)
        return process.startDetached();

    process.start();
    if (!process.waitForStarted(-1))
        return false;
    // The one wait of the program: windows repaint meanwhile, but clicks and keys stay queued
    // until the program has ended.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void InstallLinuxShell() {
    static TLinuxShell shell;
    SetShell(&shell);
}

} // namespace hovlo::platform
