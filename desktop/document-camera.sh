#!/bin/sh
# Starts the program from its private folder, where its translations lie beside it.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/document-camera/document-camera" "$@"
