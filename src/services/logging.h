#pragma once

#include <QLoggingCategory>

// One category per service or view, named io.brindlewick.Brindlewick.<Category>. Tokens, request
// bodies, prompts and responses are never logged.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcTokenStore)
Q_DECLARE_LOGGING_CATEGORY(lcHookHTTPServer)
Q_DECLARE_LOGGING_CATEGORY(lcHookIngester)
Q_DECLARE_LOGGING_CATEGORY(lcHookSettings)
Q_DECLARE_LOGGING_CATEGORY(lcSessionProcessManager)
Q_DECLARE_LOGGING_CATEGORY(lcSessionLifecycle)
Q_DECLARE_LOGGING_CATEGORY(lcBoardDrop)
Q_DECLARE_LOGGING_CATEGORY(lcProjectDashboard)
Q_DECLARE_LOGGING_CATEGORY(lcProjectReorder)
Q_DECLARE_LOGGING_CATEGORY(lcOrphanWorktreeSection)
Q_DECLARE_LOGGING_CATEGORY(lcTaskSection)
Q_DECLARE_LOGGING_CATEGORY(lcMemoSection)
Q_DECLARE_LOGGING_CATEGORY(lcStartPage)
Q_DECLARE_LOGGING_CATEGORY(lcFileNode)
Q_DECLARE_LOGGING_CATEGORY(lcNotifications)
Q_DECLARE_LOGGING_CATEGORY(lcGitService)
