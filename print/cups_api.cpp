#include "print/cups_api.h"

namespace corvane {
namespace {

template <class F>
bool Resolve(QLibrary& library, F& function, const char* name)
{
    function = reinterpret_cast<F>(library.resolve(name));
    return function != nullptr;
}

bool ResolveAll(QLibrary& library, CupsApi& c)
{
    return Resolve(library, c.cupsAddOption, "cupsAddOption") &&
           Resolve(library, c.cupsCancelDestJob, "cupsCancelDestJob") &&
           Resolve(library, c.cupsCopyDestInfo, "cupsCopyDestInfo") &&
           Resolve(library, c.cupsCreateDestJob, "cupsCreateDestJob") &&
           Resolve(library, c.cupsDoRequest, "cupsDoRequest") && Resolve(library, c.cupsEncryption, "cupsEncryption") &&
           Resolve(library, c.cupsFinishDestDocument, "cupsFinishDestDocument") &&
           Resolve(library, c.cupsFindDestDefault, "cupsFindDestDefault") &&
           Resolve(library, c.cupsFreeDestInfo, "cupsFreeDestInfo") &&
           Resolve(library, c.cupsFreeDests, "cupsFreeDests") &&
           Resolve(library, c.cupsFreeOptions, "cupsFreeOptions") &&
           Resolve(library, c.cupsGetDestMediaByName, "cupsGetDestMediaByName") &&
           Resolve(library, c.cupsGetDestMediaDefault, "cupsGetDestMediaDefault") &&
           Resolve(library, c.cupsGetNamedDest, "cupsGetNamedDest") &&
           Resolve(library, c.cupsGetOption, "cupsGetOption") && Resolve(library, c.cupsLastError, "cupsLastError") &&
           Resolve(library, c.cupsLastErrorString, "cupsLastErrorString") &&
           Resolve(library, c.cupsServer, "cupsServer") &&
           Resolve(library, c.cupsStartDestDocument, "cupsStartDestDocument") &&
           Resolve(library, c.cupsUser, "cupsUser") &&
           Resolve(library, c.cupsWriteRequestData, "cupsWriteRequestData") &&
           Resolve(library, c.httpClose, "httpClose") && Resolve(library, c.httpConnect2, "httpConnect2") &&
           Resolve(library, c.ippAddString, "ippAddString") && Resolve(library, c.ippAddStringf, "ippAddStringf") &&
           Resolve(library, c.ippDelete, "ippDelete") && Resolve(library, c.ippFindAttribute, "ippFindAttribute") &&
           Resolve(library, c.ippGetInteger, "ippGetInteger") && Resolve(library, c.ippGetString, "ippGetString") &&
           Resolve(library, c.ippNewRequest, "ippNewRequest") && Resolve(library, c.ippPort, "ippPort");
}

} // namespace

std::optional<CupsApi> LoadCups(QLibrary& library)
{
    library.setFileNameAndVersion(QStringLiteral("cups"), 2);
    CupsApi api;
    if (!library.load() || !ResolveAll(library, api))
        return std::nullopt;
    return api;
}

} // namespace corvane
