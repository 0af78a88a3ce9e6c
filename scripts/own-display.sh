# Sourced first by the scripts that run the built game on an Xvfb display of
# their own: runs the script again, with the same arguments, under xvfb-run,
# unless it already runs there. The screen is MOROVAN_SCREEN when set.
if [ "${MOROVAN_OWN_DISPLAY:-}" != 1 ]; then
  export MOROVAN_OWN_DISPLAY=1
  # -noreset: the server would otherwise regenerate whenever the game exits with
  # no other client connected, and a game started during that is refused.
  exec xvfb-run -a -s "-screen 0 ${MOROVAN_SCREEN:-1280x1024x24} -noreset" "$0" "$@"
fi
