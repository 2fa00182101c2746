#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and its source with ./build.sh deb, then holds them
# to lintian's every level (errors down to pedantic and info; overrides in
# debian/ say why) and the AppStream metadata to appstreamcli's pedantic check.
# About 2 minutes on two idle cores, up to 10 on busy ones; mostly compiling.
set -euo pipefail
cd "$(dirname "$0")/.."
inizio=$SECONDS
./build.sh deb
lintian --pedantic --display-info --display-experimental --fail-on error,warning,info,pedantic \
    build-deb/sequenzio_*_amd64.changes
appstreamcli validate --pedantic --no-net packaging/it.sequenzio.Sequenzio.metainfo.xml
echo "package built and checked in $((SECONDS - inizio)) s: $(ls build-deb/sequenzio_*_amd64.deb)"
