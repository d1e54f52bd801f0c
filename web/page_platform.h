// The platform services of the web page. A page cannot block: each service answers at once
// and leaves what the page must do as an effect, which the page carries out after the
// request that caused it (a notice that stays for a message box, a panel for a modal form or
// a pop-up menu, a download for a saved file or picture, the clipboard, a help page, the
// settings kept in the browser's storage). A save asks nothing either: without a format set
// for the request, the dialog is cancelled and the page is told to ask the person, then to
// make the same request again with the format chosen.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "web/form_state.h"
#include "window/platform/platform_services.h"

namespace ormane::web {

// Saved files are written here by the program (in the module's own memory file system),
// then handed to the page to download.
inline constexpr const char* kDossierTelechargements = "/telechargements";

class PagePlatform : public platform::SettingsStore,
                     public platform::Clipboard,
                     public platform::MessageBox,
                     public platform::HelpViewer,
                     public platform::MousePointer,
                     public platform::WindowSystem,
                     public platform::PopupMenu,
                     public platform::ProgramEnd,
                     public platform::SaveFileDialog,
                     public platform::PictureExport {
  public:
    explicit PagePlatform(std::string dossierTelechargements = kDossierTelechargements);
    platform::PlatformServices services();
    // The settings the browser kept, as the "settings" effect gave them ("ormane/Options/L"
    // to its text), read before the program starts.
    void chargeReglages(const Json& reglages);

    // The format the next save dialog answers with ("csv", "json", "svg", "png"), as the
    // page asked the person; nullopt: the dialog is cancelled and says what to ask.
    void choisitFormat(std::optional<std::string> extension) {
        formatChoisi_ = std::move(extension);
    }

    // The effects since the last call, in the order they arose; the files written to the
    // downloads folder are read and removed.
    Json Effets();

    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) override;
    // Every write hands the page the whole store to keep.
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override;
    void putText(const std::string& text) override;
    void show(const std::string& text, const std::string& title) override;
    void openTopic(std::int32_t topic) override;
    void set(std::int16_t pointer) override;
    void showModeless(window::Form& form) override;
    // Returns at once, the form still shown: the model keeps it modal until it is hidden.
    void runModal(window::Form& form) override;
    void popup(window::MenuItem& menu) override;
    void endNow() override;
    std::optional<platform::SaveChoice> chooseSaveFile(
        const std::string& title, const std::string& suggestedName,
        const std::vector<platform::FileFormat>& formats) override;
    bool write(const window::Dessin& drawing, const std::string& path) override;

  private:
    std::string telechargements_;
    Json reglages_ = Json::object();
    std::optional<std::string> formatChoisi_;
    Json effets_ = Json::array();
};

}  // namespace ormane::web
