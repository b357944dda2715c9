#pragma once
// The About box's content and its one action; the host lays it out.
#include "platform/Platform.h"

class CAboutDlg {
public:
    explicit CAboutDlg(Platform& platform) : m_platform(platform) {}

    // Modal; the game keeps running behind it.
    void DoModal() { m_platform.ShowAbout(*this); }
    // "Visit the Web Site": the dialog stays open.
    void OnVisitWebSite();

    static const char* const kCaption;
    static const char* const kVersionLine;
    static const char* const kSecondLine;
    static const char* const kNotice;
    static const char* const kVisitButton;
    static const char* const kWebSiteUrl;

private:
    Platform& m_platform;
};
