// The application folder: where default.tw and Radio.INI live (the program's own folder unless
// start-up or a test sets another).
#pragma once

#include <QString>

namespace qv {

QString AppFolder();
void SetAppFolder(const QString& folder);

}  // namespace qv
