#include "web/page_platform.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/run_time_error.h"
#include "window/model/controls.h"
#include "window/model/form.h"

namespace ormane::web {

namespace fs = std::filesystem;

PagePlatform::PagePlatform(std::string dossierTelechargements)
    : telechargements_(std::move(dossierTelechargements)) {
    fs::create_directories(telechargements_);
}

platform::PlatformServices PagePlatform::services() {
    return {*this, *this, *this, *this, *this, *this, *this, *this, *this, *this};
}

namespace {

std::string Cle(std::string_view application, std::string_view section, std::string_view key) {
    return std::string(application) + "/" + std::string(section) + "/" + std::string(key);
}

}  // namespace

void PagePlatform::chargeReglages(const Json& reglages) {
    reglages_ = Json::object();
    if (!reglages.is_object()) return;
    for (const auto& [cle, valeur] : reglages.items()) {
        if (valeur.is_string()) reglages_[cle] = valeur;
    }
}

std::optional<std::string> PagePlatform::read(std::string_view application,
                                              std::string_view section, std::string_view key) {
    const auto trouve = reglages_.find(Cle(application, section, key));
    if (trouve == reglages_.end()) return std::nullopt;
    return trouve->get<std::string>();
}

void PagePlatform::write(std::string_view application, std::string_view section,
                         std::string_view key, std::string_view value) {
    reglages_[Cle(application, section, key)] = std::string(value);
    effets_.push_back({{"effect", "settings"}, {"settings", reglages_}});
}

void PagePlatform::putText(const std::string& text) {
    effets_.push_back({{"effect", "clipboard"}, {"text", text}});
}

void PagePlatform::show(const std::string& text, const std::string& title) {
    effets_.push_back({{"effect", "message"}, {"text", text}, {"title", title}});
}

void PagePlatform::openTopic(std::int32_t topic) {
    effets_.push_back({{"effect", "help"}, {"topic", topic}});
}

void PagePlatform::set(std::int16_t) {}

void PagePlatform::showModeless(window::Form& form) {
    effets_.push_back({{"effect", "show"}, {"form", form.name()}, {"modal", false}});
}

void PagePlatform::runModal(window::Form& form) {
    effets_.push_back({{"effect", "show"}, {"form", form.name()}, {"modal", true}});
}

void PagePlatform::popup(window::MenuItem& menu) {
    effets_.push_back(
        {{"effect", "popup"}, {"form", menu.form().name()}, {"menu", IdControle(menu)}});
}

void PagePlatform::endNow() {
    effets_.push_back({{"effect", "ended"}});
}

std::optional<platform::SaveChoice> PagePlatform::chooseSaveFile(
    const std::string& title, const std::string& suggestedName,
    const std::vector<platform::FileFormat>& formats) {
    const std::optional<std::string> extension = std::exchange(formatChoisi_, std::nullopt);
    if (!extension) {
        // The page asks the person, then does the same again with the format chosen.
        Json offerts = Json::array();
        for (const platform::FileFormat& f : formats)
            offerts.push_back({{"name", f.name}, {"extension", f.extension}});
        effets_.push_back(
            {{"effect", "save"}, {"title", title}, {"name", suggestedName}, {"formats", offerts}});
        return std::nullopt;
    }
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (formats[i].extension != *extension) continue;
        const std::string nom = fs::path(suggestedName).replace_extension(*extension).string();
        return platform::SaveChoice{(fs::path(telechargements_) / nom).string(), i};
    }
    return std::nullopt;
}

bool PagePlatform::write(const window::Dessin& drawing, const std::string& path) {
    // The page draws the picture itself, as it shows it, and downloads that.
    effets_.push_back({{"effect", "picture"},
                       {"name", fs::path(path).filename().string()},
                       {"drawing", DessinJson(drawing)}});
    return true;
}

Json PagePlatform::Effets() {
    std::error_code erreur;
    for (const auto& entree : fs::directory_iterator(telechargements_, erreur)) {
        std::ifstream fichier(entree.path(), std::ios::binary);
        const std::string contenu((std::istreambuf_iterator<char>(fichier)), {});
        effets_.push_back({{"effect", "download"},
                           {"name", entree.path().filename().string()},
                           {"content", contenu}});
        fichier.close();
        fs::remove(entree.path(), erreur);
    }
    return std::exchange(effets_, Json::array());
}

}  // namespace ormane::web
