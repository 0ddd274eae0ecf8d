#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Sourced by the end-to-end tests: where a user clicks in the main window, in pixels from the top
# left corner of its client area at 96 dots per inch, the same for both programs.
text1=(96 72); command1=(96 112); combo_arrow=(280 66); combo_field=(220 66)
command2=(212 112); command3=(324 112); text2=(200 240)
