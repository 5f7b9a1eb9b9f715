#include "convert/WriteGuard.h"

#include "base/FilePlace.h"
#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

void WriteGuard::Keep(const std::string& path)
{
    if (!path.empty()) known_.push_back(path);
}

void WriteGuard::Claim(const std::string& target, const std::string& mayReplace)
{
    if (target.empty()) return;
    for (const std::string& other : known_) {
        if (IsSameFile(target, other) && !IsSameFile(other, mayReplace))
            throw QuarnelError(FormatMessage(QRNConsts::sSameFile, {target, other}));
    }
    if (KindOf(target) == FileKind::Special)
        throw QuarnelError(FormatMessage(QRNConsts::sFileNotWritable, {target, QRNConsts::sReasonNotRegularFile}));
    known_.push_back(target);
}
