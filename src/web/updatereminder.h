#pragma once

struct Platform;

// Once per start: after more than fourteen days, offers the update page.
void remindOfUpdate(const Platform &platform);
