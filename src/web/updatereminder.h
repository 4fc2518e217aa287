#pragma once

// Once per start: after more than fourteen days, offers the update page.
void remindOfUpdate();
