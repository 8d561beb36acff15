#pragma once
// The texts that more than one window shows.
#include <string_view>

// The program's display name: the main and message windows' title, and the
// program name in the About window.
inline constexpr std::string_view DisplayName = "Zazudedid Idarero";

// The maker's web address, without a scheme; the framework opens it as http.
inline constexpr std::string_view WebsiteURL = "www.example.com";

// The support address behind the About window's mail link.
inline constexpr std::string_view SupportAddress = "support@example.com";

inline constexpr std::string_view CopyrightLine = "Copyright \u00a9 2026 Zazudedid Idarero";
