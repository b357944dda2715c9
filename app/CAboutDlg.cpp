#include "app/CAboutDlg.h"

const char* const CAboutDlg::kCaption = "About Vasculon";
const char* const CAboutDlg::kVersionLine = "Vasculon Version 1.0";
const char* const CAboutDlg::kSecondLine = "A germ's climb to the heart";
const char* const CAboutDlg::kVisitButton = "Visit the Web Site";
const char* const CAboutDlg::kWebSiteUrl = "https://vasculon.example.org/";
// One paragraph of exactly 306 characters (checked by a test).
const char* const CAboutDlg::kNotice =
    "Vasculon is made by the Vasculon developers, who wrote its code, drew its pictures and "
    "made its sounds. You may play it and give it to a friend for free, as long as it stays "
    "whole and unchanged. Selling it, bundling it with other products or passing it on in "
    "altered form needs its makers' written consent.";

void CAboutDlg::OnVisitWebSite()
{
    m_platform.OpenUrl(kWebSiteUrl);
}
