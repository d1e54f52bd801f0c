// The WebAssembly module's one entry point for the page: a request as JSON text, the answer
// as JSON text (valid until the next call). The page's JavaScript calls nothing else.
#include <emscripten/emscripten.h>

#include <string>

#include "web/page_session.h"

namespace {

ormane::web::PageSession& Session() {
    static ormane::web::PageSession session;
    return session;
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* ormane_request(const char* requete) {
    static std::string reponse;
    ormane::web::Json lue = ormane::web::Json::parse(requete, nullptr, false);
    if (lue.is_discarded()) {
        reponse = R"({"error":"the request is not JSON"})";
    } else {
        // Any text becomes valid JSON: a byte that is not UTF-8 becomes U+FFFD.
        reponse =
            Session().Traite(lue).dump(-1, ' ', false, ormane::web::Json::error_handler_t::replace);
    }
    return reponse.c_str();
}
