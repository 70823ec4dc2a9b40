// The live-update dialog: asks the update library whether a newer version exists, offers it, follows
// the download on its bar and log and starts the installer. The procedure runs on the dialog's thread;
// the two blocking library calls run on workers that post their answers back, so the window stays
// responsive and Exit works at every moment. Closing drops whatever a worker still brings back.
#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "about/InstallerCheck.h"
#include "about/LiveUpdateServices.h"
#include "about/UpdateLibrary.h"
#include "ui/Dialog.h"

class CAboutExLiveUpdateDlg final : public ui::Dialog {
public:
    // Loads the library (it stays loaded as long as this object, or a worker still inside it, lives).
    explicit CAboutExLiveUpdateDlg(about::LiveUpdateServices& services);

    bool LibraryLoaded() const { return m_library->Loaded(); }
    // The availability check, on the caller's thread (the background check); the text is cut to 511.
    int CheckForUpdate(std::u16string& text);
    // The background check found an update: the dialog starts with the offer of `offerText` (asked
    // first when `ask`, else downloaded at once).
    void SetKnownUpdate(std::u16string offerText, bool ask);

    bool OnInit() override;
    void OnTimer(int timerId) override;
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    void OnCancel() override;

private:
    // What a worker brings back: written on the worker, read on the dialog's thread after its post.
    struct Outcome {
        std::mutex mutex;
        int code = 0;
        std::u16string text;
        std::u16string installerStatement; // the download's: what the server said of the file
    };

    std::u16string Status(int number) const;
    void Log(std::u16string_view message);
    void SetBar(int position);
    void StartProcedure();
    void StartCheck();
    void OnCheckDone();
    void Offer(const std::u16string& text);
    void StartDownload();
    void OnDownloadDone();
    bool FindInstaller();
    bool InstallerIsTheAnnouncedOne();
    void StartInstaller();
    void WriteCheckTime();
    void StopTimers();

    about::LiveUpdateServices& m_services;
    std::shared_ptr<about::UpdateLibrary> m_library;
    about::UpdateRequest m_request;
    std::array<std::u16string, 10> m_status;
    uint32_t m_downloadHandle = 0;
    about::UpdateProgress m_progress;
    std::u16string m_installerPath;
    std::optional<about::InstallerStatement> m_installerStatement;
    int m_position = 0;
    bool m_updateKnown = false;
    bool m_askBeforeDownload = true;
    std::u16string m_offerText;
    std::shared_ptr<Outcome> m_checkOutcome;
    std::shared_ptr<Outcome> m_downloadOutcome;
};
