#!/bin/sh
# Stands in for the web browser: notes each address it is asked to open.
echo "$1" >> "${KEYVANE_BROWSER_LOG:-/tmp/keyvane-browser.log}"
