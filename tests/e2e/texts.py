"""What Tollvane prints, spelled out for comparing whole outputs."""

RULE = "\n\n" + "*" * 64
BANNER_HELP_FORM = (RULE + "\n\n    Tollvane v1.5 by Quenlight"
                    "\n\n    https://www.quenlight.com/tollvane/" + RULE)
BANNER = BANNER_HELP_FORM + "\n"
HELP = BANNER_HELP_FORM + (
    "\n\n\n Usage: \n\t Tollvane [1 | 0 | -s | -h]  "
    "\n\n\n Examples:\n"
    "\n\n\t // Enable Automatic Reboot on Your System\n\t Tollvane.exe 1"
    "\n\n\t // Disable Automatic Reboot on Your System\n\t Tollvane.exe 0"
    "\n\n\t //Show Current Status of 'Automatic Reboot' setting\n\t Tollvane.exe -s"
    "\n\n\t // Show this help screen\n\t Tollvane.exe -h"
    "\n\n")
NOT_FROM_PROMPT = ("\n This is a console application. Kindly Run it from the CMD Prompt!"
                   "\n\n Press any key to exit....\n")
INVALID_PARAMETER = "\n\n Error: Invalid parameters specified.\n\n"
INVALID_COUNT = ("\n\n Error: Invalid input parameters. Kindly see the above examples "
                 "and try again.\n\n")

CHECKING = "\n\n\n [*] Checking for the current status of Automatic Reboot Setting"
STATUS_ENABLED = BANNER + CHECKING + "\n\n\n [*] Automatic Reboot is currently Enabled on your System\n\n"
STATUS_DISABLED = (BANNER + CHECKING +
                   "\n\n\n [*] Automatic Reboot is currently Disabled on your System\n\n\n\n")
STATUS_UNREADABLE = (BANNER + CHECKING +
                     "\n\n\n [*] Automatic Reboot is currently Disabled on your System. \n\n")


def status_open_error(code):
    return BANNER + "\n\n [*] Error: Failed to open Windows Registry. \n Error Code=0x%08x\n\n" % code


ENABLING = BANNER + "\n\n [*] Enabling Automatic Reboot on Your System" + CHECKING
DISABLING = BANNER + "\n\n [*] Disabling Automatic Reboot on Your System" + CHECKING
NO_STATUS = "\n\t Failed to get the current status, Anyway going ahead now..."
NOW_ENABLING = "\n\n\n [*] Automatic Reboot is currently Disabled on your System. Enabling it Now..."
NOW_DISABLING = "\n\n\n [*] Automatic Reboot is currently Enabled on your System. Disabling it Now..."
ALREADY_ENABLED = "\n\n\n [*] Automatic Reboot is already Enabled on your System\n\n"
ALREADY_DISABLED = "\n\n\n [*] Automatic Reboot is already Disabled on your System\n\n"
ENABLED = "\n\n\n [*] Successfully Enabled Automatic Reboot on your System\n\n"
DISABLED = "\n\n\n [*] Successfully Disabled Automatic Reboot on your System\n\n"
