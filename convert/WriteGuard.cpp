#include "convert/WriteGuard.h"

#include "base/FilePlace.h"
#include "base/MessageFormat.h"
#include "messages/QuarnelError.h"
#include "messages/FaultTexts.h"

void WriteGuard::Keep(const std::string& path)
{
    if (path.empty()) return;
    if (const std::optional<FileIdentity> identity = IdentityOf(path)) known_.emplace(*identity, path);
}

void WriteGuard::Claim(const std::string& target, const std::string& mayReplace)
{
    if (target.empty()) return;
    const std::optional<FileIdentity> identity = IdentityOf(target);
    if (identity) {
        const auto other = known_.find(*identity);
        if (other != known_.end() && (mayReplace.empty() || IdentityOf(mayReplace) != identity))
            throw QuarnelError(FormatMessage(QRNConsts::sSameFile, {target, other->second}));
    }
    if (!NameFitsItsFolder(target))
        throw QuarnelError(FormatMessage(QRNConsts::sFileNotWritable, {target, QRNConsts::sReasonNameTooLong}));
    if (KindOf(target) == FileKind::Special)
        throw QuarnelError(FormatMessage(QRNConsts::sFileNotWritable, {target, QRNConsts::sReasonNotRegularFile}));
    if (identity) known_.emplace(*identity, target);
}
