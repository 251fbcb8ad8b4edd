#include "ui/print_service.h"

#include <QFile>
#include <algorithm>
#include <cups/cups.h> // the types only: the functions come through dlopen
#include <dlfcn.h>

namespace ui::print_service {

namespace {

// The functions TAVU uses, looked up once.
struct Cups {
    decltype(&cupsGetDests) get_dests = nullptr;
    decltype(&cupsGetNamedDest) get_named_dest = nullptr;
    decltype(&cupsFreeDests) free_dests = nullptr;
    decltype(&cupsPrintFile) print_file = nullptr;
    decltype(&cupsAddOption) add_option = nullptr;
    decltype(&cupsFreeOptions) free_options = nullptr;
    decltype(&cupsLastErrorString) last_error = nullptr;
    decltype(&cupsCopyDestInfo) copy_dest_info = nullptr;
    decltype(&cupsFreeDestInfo) free_dest_info = nullptr;
    decltype(&cupsGetDestMediaByName) media_by_name = nullptr;
    QString missing;
};

template <typename F> bool find(void* lib, F& f, const char* name) {
    f = reinterpret_cast<F>(dlsym(lib, name));
    return f != nullptr;
}

const Cups& cups() {
    static const Cups loaded = [] {
        Cups c;
        // TAVU_LIBCUPS names another library (tests: one that is not there).
        const QByteArray name = qEnvironmentVariableIsSet("TAVU_LIBCUPS")
                                    ? qgetenv("TAVU_LIBCUPS")
                                    : QByteArray("libcups.so.2");
        void* lib = dlopen(name.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!lib) {
            c.missing = QString::fromLocal8Bit(dlerror());
            return c;
        }
        const bool all = find(lib, c.get_dests, "cupsGetDests") &&
                         find(lib, c.get_named_dest, "cupsGetNamedDest") &&
                         find(lib, c.free_dests, "cupsFreeDests") &&
                         find(lib, c.print_file, "cupsPrintFile") &&
                         find(lib, c.add_option, "cupsAddOption") &&
                         find(lib, c.free_options, "cupsFreeOptions") &&
                         find(lib, c.last_error, "cupsLastErrorString") &&
                         find(lib, c.copy_dest_info, "cupsCopyDestInfo") &&
                         find(lib, c.free_dest_info, "cupsFreeDestInfo") &&
                         find(lib, c.media_by_name, "cupsGetDestMediaByName");
        if (!all)
            c = Cups{.missing = QStringLiteral("%1 is too old").arg(QString::fromLatin1(name))};
        return c;
    }();
    return loaded;
}

QString dest_name(const cups_dest_t& dest) {
    QString name = QString::fromLocal8Bit(dest.name);
    if (dest.instance) name += u'/' + QString::fromLocal8Bit(dest.instance);
    return name;
}

// The queue's own name and its instance, as libcups wants them.
std::pair<QByteArray, QByteArray> split(const QString& queue) {
    return {queue.section(u'/', 0, 0).toLocal8Bit(), queue.section(u'/', 1).toLocal8Bit()};
}

} // namespace

QString missing() {
    return cups().missing;
}

QStringList destinations() {
    const Cups& c = cups();
    if (!c.missing.isEmpty()) return {};
    cups_dest_t* dests = nullptr;
    const int n = c.get_dests(&dests);
    QStringList names;
    for (int i = 0; i < n; ++i) names << dest_name(dests[i]);
    c.free_dests(n, dests);
    std::sort(names.begin(), names.end());
    return names;
}

QString default_destination() {
    const Cups& c = cups();
    if (!c.missing.isEmpty()) return {};
    cups_dest_t* dest = c.get_named_dest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) return {};
    const QString name = dest_name(*dest);
    c.free_dests(1, dest);
    return name;
}

QString submit(const QString& queue, const QString& pdf, const QString& title) {
    const Cups& c = cups();
    if (!c.missing.isEmpty()) return c.missing;
    const QByteArray name = split(queue).first;
    cups_option_t* options = nullptr;
    const int count = c.add_option("media", "A4", 0, &options);
    const int job = c.print_file(name.constData(), QFile::encodeName(pdf).constData(),
                                 title.toUtf8().constData(), count, options);
    c.free_options(count, options);
    return job == 0 ? QString::fromUtf8(c.last_error()) : QString();
}

QMarginsF a4_margins(const QString& queue, const QMarginsF& fallback) {
    const Cups& c = cups();
    if (!c.missing.isEmpty()) return fallback;
    const auto [name, instance] = split(queue);
    cups_dest_t* dest = c.get_named_dest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) return fallback;
    QMarginsF margins = fallback;
    if (cups_dinfo_t* info = c.copy_dest_info(CUPS_HTTP_DEFAULT, dest)) {
        cups_size_t size{};
        if (c.media_by_name(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_A4, CUPS_MEDIA_FLAGS_DEFAULT,
                            &size))
            margins = QMarginsF(size.left, size.top, size.right, size.bottom) / 100.0;
        c.free_dest_info(info);
    }
    c.free_dests(1, dest);
    return margins;
}

} // namespace ui::print_service
