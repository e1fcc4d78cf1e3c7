// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// The maker's web site and support address. Each page's address is one fixed text, sent
// exactly as earlier versions of the program sent it, two slashes before the page included.
namespace MakerAddresses {

inline constexpr QStringView Site = u"http://quillane.example";
inline constexpr QStringView Faq = u"http://quillane.example//faq.htm";
inline constexpr QStringView News = u"http://quillane.example//news.htm";
inline constexpr QStringView Suggestions = u"http://quillane.example//suggestion.htm";
inline constexpr QStringView Support = u"http://quillane.example//support.htm";

inline constexpr QStringView SupportMail = u"suporte@quillane.example";
inline constexpr QStringView SupportMailLink = u"mailto:suporte@quillane.example";

} // namespace MakerAddresses
